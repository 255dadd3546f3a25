// The demo's command line (on the page, its query string): how the picture is shown, where
// the timeline starts, or a request for the usage text.
#pragma once

#include <cstdint>
#include <string>

struct DemoOptions {
  enum class Outcome { Run, Help, Error };
  Outcome outcome = Outcome::Run;
  bool windowed = false;  // an 800 x 600 window instead of the full screen
  bool sharp = false;     // drawn at the screen's 4:3 area instead of 800 x 600 scaled up
  // For developers: start at a scene and a moment into it, keep the clock standing there,
  // and report how long each frame takes to draw.
  int startScene = 1;
  std::uint32_t startAtMs = 0;
  bool freeze = false;
  bool frameTimes = false;
  std::string error;  // what is wrong, for Outcome::Error
};

DemoOptions ParseDemoOptions(int argc, const char* const* argv);

// The usage text, ending in a newline.
const char* DemoUsage();

// Tells the user what a Help or Error outcome asks for (the usage on standard output, or the
// error and the usage on standard error) and returns the exit code: 0 for Help, 2 for Error.
int ReportDemoOptions(const DemoOptions& options);
