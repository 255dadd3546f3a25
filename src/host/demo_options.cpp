// Parsing the demo's command line. Without options the demo runs full screen as it always has.
#include "demo_options.h"

#include <cerrno>
#include <cstdlib>

#include "platform/user_text.h"
#include "scenes/scene_table.h"

namespace {

constexpr const char* kUsage =
    "usage: demo [--window] [--sharp] [--scene N] [--at MS] [--freeze] [--frame-times]\n"
    "\n"
    "Shows the demo with its music (music.xm from the working directory, else from beside\n"
    "the program). The mouse steers the camera; Esc or closing the window ends it.\n"
    "  --window       start in an 800x600 window that can be resized; the picture keeps its\n"
    "                 4:3 shape between black bars (default: full screen)\n"
    "  --sharp        draw the picture at the size of the screen's (or window's) 4:3 area\n"
    "                 instead of scaling up 800x600 pixels: sharp edges and text\n"
    "  --help         show this text and exit\n"
    "Alt+Enter switches between the window and full screen.\n"
    "For developers:\n"
    "  --scene N      start at scene N: 1 (blob grid, default) or 2 (cube crosses)\n"
    "  --at MS        start MS milliseconds into that scene (default 0)\n"
    "  --freeze       keep the scene clock standing at that moment\n"
    "  --frame-times  write each frame's drawing time to standard output\n";

// A whole decimal number from 0 to max, or false.
bool ParseWholeNumber(const std::string& text, unsigned long max, unsigned long& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  value = std::strtoul(text.c_str(), nullptr, 10);
  return errno == 0 && value <= max;
}

}  // namespace

DemoOptions ParseDemoOptions(int argc, const char* const* argv) {
  DemoOptions options;
  const auto refuse = [&options](std::string error) {
    // The first wrong argument is the one reported.
    if (options.outcome != DemoOptions::Outcome::Run) return;
    options.outcome = DemoOptions::Outcome::Error;
    options.error = std::move(error);
  };
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool valued = argument == "--scene" || argument == "--at";
    if (valued && i + 1 >= argc) {
      refuse(argument + " needs a value");
      continue;
    }
    unsigned long value = 0;
    if (argument == "--window") {
      options.windowed = true;
    } else if (argument == "--sharp") {
      options.sharp = true;
    } else if (argument == "--help" || argument == "-h") {
      // Help wins over anything else given, as a user asking for it expects.
      options.outcome = DemoOptions::Outcome::Help;
      return options;
    } else if (argument == "--scene") {
      const std::string text = argv[++i];
      if (ParseWholeNumber(text, kSceneCount, value) && value >= 1) {
        options.startScene = static_cast<int>(value);
      } else {
        refuse("--scene takes 1 to " + std::to_string(kSceneCount) + ", not '" + text + "'");
      }
    } else if (argument == "--at") {
      const std::string text = argv[++i];
      // A day's milliseconds keeps the scene clock's span within the 32-bit tick counter.
      if (ParseWholeNumber(text, 86'400'000, value)) {
        options.startAtMs = static_cast<std::uint32_t>(value);
      } else {
        refuse("--at takes whole milliseconds from 0 to 86400000, not '" + text + "'");
      }
    } else if (argument == "--freeze") {
      options.freeze = true;
    } else if (argument == "--frame-times") {
      options.frameTimes = true;
    } else {
      refuse((argument.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") +
             argument + "'");
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
