// The command line of demo-capture: what to render and where to put it.
#pragma once

#include <string>

#include "cursor_pos.h"

struct CaptureOptions {
  enum class Mode { Video, Still };
  Mode mode = Mode::Video;
  std::string out;

  // Video.
  int fps = 60;
  double seconds = 75;
  bool orbit = false;

  // Still.
  int scene = 0;
  float t = 0;
  CursorPos cursor{400, 300};
};

inline constexpr int kMaxFps = 240;
inline constexpr double kMaxSeconds = 3600;

struct ParsedCommandLine {
  enum class Outcome { Run, Help, Error };
  Outcome outcome = Outcome::Run;
  CaptureOptions options;
  std::string error;  // what is wrong, for Outcome::Error
};

ParsedCommandLine ParseCaptureOptions(int argc, const char* const* argv);

// The usage text, ending in a newline.
const char* CaptureUsage();
