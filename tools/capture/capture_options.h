// The command line of demo-capture: what to render and where to put it.
#pragma once

#include <string>

#include "cursor_pos.h"
#include "screen.h"

struct CaptureOptions {
  enum class Mode { Video, Still };
  Mode mode = Mode::Video;
  std::string out;

  // Video.
  int fps = 60;
  double seconds = 75;
  bool orbit = false;
  // The video's frame size; other than the picture's, the picture is scaled to fit between
  // black bars.
  int width = 800;
  int height = 600;
  // Each frame is drawn at the 4:3 area of width x height (a still is that area) instead of
  // scaling the 800 x 600 picture up.
  bool sharp = false;

  // Still.
  int scene = 0;
  float t = 0;
  CursorPos cursor{400, 300};
};

inline constexpr int kMaxFps = 240;
inline constexpr double kMaxSeconds = 3600;
inline constexpr int kMinVideoSide = 16;
inline constexpr int kMaxVideoWidth = 7680;
inline constexpr int kMaxVideoHeight = 4320;

// The size the frames are drawn at: the picture's, or with --sharp the 4:3 area of --size.
PictureSize CaptureDrawingSize(const CaptureOptions& options);

struct ParsedCommandLine {
  enum class Outcome { Run, Help, Error };
  Outcome outcome = Outcome::Run;
  CaptureOptions options;
  std::string error;  // what is wrong, for Outcome::Error
};

ParsedCommandLine ParseCaptureOptions(int argc, const char* const* argv);

// The usage text, ending in a newline.
const char* CaptureUsage();
