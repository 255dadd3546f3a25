// Parsing and checking demo-capture's command line. Every number is checked here, so the
// rest of the tool only ever sees values it can render.
#include "capture_options.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "capture_clock.h"
#include "platform/picture_target.h"
#include "scenes/scene_table.h"
#include "screen.h"

namespace {

constexpr const char* kUsage =
    "usage: demo-capture --out FILE.mp4 [--fps N] [--seconds S] [--orbit] [--size WxH]\n"
    "                    [--sharp]\n"
    "       demo-capture --still --scene 1|2 --t T [--cursor X,Y] [--sharp --size WxH]\n"
    "                    --out FILE.png\n"
    "\n"
    "Renders the demo offscreen (no display or sound device needed).\n"
    "  --out FILE    the file to write; it is written beside FILE and renamed when complete\n"
    "                (through links); - (standard output), a pipe or a device gets it\n"
    "                streamed, a video then as fragmented MP4\n"
    "  --fps N       video frames per second, a whole number from 1 to 240 (default 60)\n"
    "  --seconds S   video length in seconds, more than 0 and at most 3600 (default 75)\n"
    "  --orbit       move the cursor slowly around so the camera travels (default: centred)\n"
    "  --size WxH    video frame size, even numbers from 16x16 to 7680x4320 (default\n"
    "                800x600); the 4:3 picture is scaled to fit between black bars\n"
    "  --sharp       draw each frame at the 4:3 area of --size instead of scaling the\n"
    "                800x600 picture up: sharp edges and text\n"
    "  --still       write one 800x600 PNG picture instead of a video (with --sharp, a\n"
    "                picture of the 4:3 area of --size)\n"
    "  --scene N     the picture's scene: 1 (blob grid) or 2 (cube cross)\n"
    "  --t T         the picture's scene clock in tens of seconds (scene 1 ends at 3.1)\n"
    "  --cursor X,Y  the picture's cursor in pixels from the top left (default 400,300)\n"
    "The soundtrack is music.xm from the working directory, else from beside demo-capture.\n"
    "Videos need the ffmpeg program (Debian package ffmpeg).\n";

// A whole decimal number that fills the text, or false.
bool ParseWhole(const char* text, long& value) {
  if (*text == '\0' || std::isspace(static_cast<unsigned char>(*text))) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtol(text, &end, 10);
  return *end == '\0' && errno == 0;
}

// True when text is a plain decimal number: an optional sign, digits, and an optional point
// with more digits. strtod alone would also take hexadecimal ("0x10" as 16), exponents,
// "inf" and "nan".
bool IsPlainDecimal(const char* text) {
  if (*text == '+' || *text == '-') ++text;
  int digits = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) ++digits;
  if (*text == '.') {
    for (++text; std::isdigit(static_cast<unsigned char>(*text)); ++text) ++digits;
  }
  return *text == '\0' && digits > 0;
}

// A plain decimal number that fills the text, or false.
bool ParseDecimal(const char* text, double& value) {
  if (!IsPlainDecimal(text)) return false;
  value = std::strtod(text, nullptr);
  return std::isfinite(value);
}

bool ParseCursor(const char* text, CursorPos& cursor) {
  const char* comma = std::strchr(text, ',');
  if (comma == nullptr) return false;
  long x = 0;
  long y = 0;
  const std::string first(text, comma);
  if (!ParseWhole(first.c_str(), x) || !ParseWhole(comma + 1, y)) return false;
  if (x < 0 || x >= gResX || y < 0 || y >= gResY) return false;
  cursor = CursorPos{static_cast<int>(x), static_cast<int>(y)};
  return true;
}

// WIDTHxHEIGHT within the limits, both even as 4:2:0 video needs, or false.
bool ParseSize(const char* text, int& width, int& height) {
  const char* cross = std::strchr(text, 'x');
  if (cross == nullptr) return false;
  long w = 0;
  long h = 0;
  const std::string first(text, cross);
  if (!ParseWhole(first.c_str(), w) || !ParseWhole(cross + 1, h)) return false;
  if (w < kMinVideoSide || h < kMinVideoSide || w > kMaxVideoWidth || h > kMaxVideoHeight) {
    return false;
  }
  if (w % 2 != 0 || h % 2 != 0) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

std::string Quoted(const char* text) { return std::string("'") + text + "'"; }

// What was given on the command line, before the options are checked against each other.
struct Given {
  bool fps = false;
  bool seconds = false;
  bool orbit = false;
  bool size = false;
  bool scene = false;
  bool t = false;
  bool cursor = false;
};

// Reads one option (and its value) at argv[i]; advances i past what it used. Returns an
// empty string or what is wrong.
std::string ReadOption(int argc, const char* const* argv, int& i, CaptureOptions& options,
                       Given& given) {
  const std::string name = argv[i];
  if (name == "--orbit") {
    options.orbit = given.orbit = true;
    return "";
  }
  if (name == "--still") {
    options.mode = CaptureOptions::Mode::Still;
    return "";
  }
  if (name == "--sharp") {
    options.sharp = true;
    return "";
  }
  const bool takesValue = name == "--out" || name == "--fps" || name == "--seconds" ||
                          name == "--scene" || name == "--t" || name == "--cursor" ||
                          name == "--size";
  if (!takesValue) return "unknown option " + Quoted(argv[i]);
  if (i + 1 >= argc) return name + " needs a value";
  const char* value = argv[++i];

  if (name == "--out") {
    if (*value == '\0') return "--out needs a file name";
    options.out = value;
  } else if (name == "--fps") {
    long fps = 0;
    if (!ParseWhole(value, fps) || fps < 1 || fps > kMaxFps) {
      return "--fps takes a whole number from 1 to 240, not " + Quoted(value);
    }
    options.fps = static_cast<int>(fps);
    given.fps = true;
  } else if (name == "--seconds") {
    double seconds = 0;
    if (!ParseDecimal(value, seconds) || seconds <= 0 || seconds > kMaxSeconds) {
      return "--seconds takes a number more than 0 and at most 3600, not " + Quoted(value);
    }
    options.seconds = seconds;
    given.seconds = true;
  } else if (name == "--size") {
    if (!ParseSize(value, options.width, options.height)) {
      return "--size takes WIDTHxHEIGHT, even numbers from 16x16 to 7680x4320, not " +
             Quoted(value);
    }
    given.size = true;
  } else if (name == "--scene") {
    long scene = 0;
    if (!ParseWhole(value, scene) || scene < 1 || scene > kSceneCount) {
      return "--scene takes 1 or 2, not " + Quoted(value);
    }
    options.scene = static_cast<int>(scene);
    given.scene = true;
  } else if (name == "--t") {
    double t = 0;
    if (!ParseDecimal(value, t) || t < 0) {
      return "--t takes a scene clock of 0 or more, not " + Quoted(value);
    }
    options.t = static_cast<float>(t);
    given.t = true;
  } else {
    if (!ParseCursor(value, options.cursor)) {
      return "--cursor takes X,Y inside the 800x600 picture, not " + Quoted(value);
    }
    given.cursor = true;
  }
  return "";
}

// The options that belong to one mode only, checked once all are read.
std::string CheckCombination(const CaptureOptions& options, const Given& given) {
  if (options.out.empty()) return "--out is required";
  if (options.mode == CaptureOptions::Mode::Still) {
    if (given.fps || given.seconds || given.orbit) {
      return "--fps, --seconds and --orbit are for videos, not --still";
    }
    if (given.size && !options.sharp) return "--size is for videos, or for a --sharp --still";
    if (options.sharp && !given.size) return "a --sharp --still needs --size";
    if (!given.scene || !given.t) return "--still needs --scene and --t";
    const Scene& scene = SceneNumber(options.scene);
    if (SceneIsOver(scene, options.t)) {
      char why[80];
      std::snprintf(why, sizeof why, "scene %d ends at t = %g; its clock never shows more",
                    options.scene, static_cast<double>(scene.endsPast));
      return why;
    }
    return "";
  }
  if (given.scene || given.t || given.cursor) return "--scene, --t and --cursor need --still";
  if (VideoFrameCount(options.seconds, options.fps) < 1) {
    return "--seconds is too short to hold one frame at this --fps";
  }
  return "";
}

}  // namespace

PictureSize CaptureDrawingSize(const CaptureOptions& options) {
  return options.sharp ? DrawingSizeFor(PictureDrawing::Sharp, options.width, options.height)
                       : PictureSize{};
}

ParsedCommandLine ParseCaptureOptions(int argc, const char* const* argv) {
  ParsedCommandLine parsed;
  Given given;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      parsed.outcome = ParsedCommandLine::Outcome::Help;
      return parsed;
    }
    parsed.error = ReadOption(argc, argv, i, parsed.options, given);
    if (!parsed.error.empty()) break;
  }
  if (parsed.error.empty()) parsed.error = CheckCombination(parsed.options, given);
  if (!parsed.error.empty()) parsed.outcome = ParsedCommandLine::Outcome::Error;
  return parsed;
}

const char* CaptureUsage() { return kUsage; }
