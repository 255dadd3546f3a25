// Parsing the demo's command line. Without options the demo runs full screen as it always has.
#include "demo_options.h"

#include "platform/user_text.h"

namespace {

constexpr const char* kUsage =
    "usage: demo [--window]\n"
    "\n"
    "Shows the demo with its music (music.xm from the working directory, else from beside\n"
    "the program). The mouse steers the camera; Esc or closing the window ends it.\n"
    "  --window   start in an 800x600 window that can be resized; the picture keeps its\n"
    "             4:3 shape between black bars (default: full screen)\n"
    "  --help     show this text and exit\n"
    "Alt+Enter switches between the window and full screen.\n";

}  // namespace

DemoOptions ParseDemoOptions(int argc, const char* const* argv) {
  DemoOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--window") {
      options.windowed = true;
    } else if (argument == "--help" || argument == "-h") {
      // Help wins over anything else given, as a user asking for it expects.
      options.outcome = DemoOptions::Outcome::Help;
      return options;
    } else if (options.outcome == DemoOptions::Outcome::Run) {
      options.outcome = DemoOptions::Outcome::Error;
      options.error = (argument.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") +
                      argument + "'";
    }
  }
  return options;
}

const char* DemoUsage() { return kUsage; }

int ReportDemoOptions(const DemoOptions& options) {
  if (options.outcome == DemoOptions::Outcome::Help) {
    TellUser(TextStream::Output, kUsage);
    return 0;
  }
  TellUser(TextStream::Error, "demo: " + options.error + "\n" + kUsage);
  return 2;
}
