// The demo's command line: how the picture is shown, or a request for the usage text.
#pragma once

#include <string>

struct DemoOptions {
  enum class Outcome { Run, Help, Error };
  Outcome outcome = Outcome::Run;
  bool windowed = false;  // an 800 x 600 window instead of the full screen
  std::string error;      // what is wrong, for Outcome::Error
};

DemoOptions ParseDemoOptions(int argc, const char* const* argv);

// The usage text, ending in a newline.
const char* DemoUsage();

// Tells the user what a Help or Error outcome asks for (the usage on standard output, or the
// error and the usage on standard error) and returns the exit code: 0 for Help, 2 for Error.
int ReportDemoOptions(const DemoOptions& options);
