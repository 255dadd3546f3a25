// Frame-time benchmark: draws frames of both scenes offscreen through the demo's own DrawFrame,
// over a spread of clock values and cursor positions, and prints per scene the median and
// 99th-percentile frame time and the frames per second. With --screen the frames go onto a
// drawable of that size as the demo shows them there: scaled, with black bars, or with
// --sharp drawn at the size of the screen's 4:3 area. With --simulate it draws nothing and runs
// the demo's loop on a model of a PC's display instead, printing what the display showed.
#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "capture/interrupt.h"
#include "display_simulation/simulation.h"
#include "host/frame.h"
#include "host/gl_context.h"
#include "platform/offscreen/offscreen_window.h"
#include "platform/picture_target.h"
#include "platform/window_picture.h"
#include "scenes/scene_table.h"
#include "screen.h"

namespace {

constexpr long kDefaultFrames = 600;
constexpr long kMaxFrames = 1000000;
constexpr long kMaxScreenSide = 16384;
constexpr int kWarmUpFrames = 20;
constexpr float kEndlessSpan = 6;  // of a scene with no end, one minute is sampled
constexpr double kMaxRefreshHz = 1000;
constexpr double kMaxDrawMs = 1000;
constexpr double kMaxSimulatedSeconds = 3600;

// Cursor positions over the picture: centre, edges and corners, visited in turn.
constexpr CursorPos kCursors[] = {{400, 300}, {0, 300},   {799, 300}, {400, 0},  {400, 599},
                                  {0, 0},     {799, 599}, {200, 450}, {600, 150}};

struct Options {
  long frames = kDefaultFrames;
  std::optional<Rect> screen;  // width and height of the drawable; none: the bare picture
  PictureDrawing drawing = PictureDrawing::Scaled;
  std::optional<SimulationSettings> simulation;
  bool help = false;
};

struct Figures {
  double medianMs = 0;
  double p99Ms = 0;
  double framesPerSecond = 0;
};

void PrintUsage(std::FILE* out, const char* program) {
  std::fprintf(out,
               "usage: %s [--screen WxH [--sharp]] [FRAMES]\n"
               "       %s --simulate SYSTEM HZ [--no-vsync] [--draw-ms D] [--seconds S]\n"
               "                [--tick-counter-timing]\n"
               "  FRAMES         frames per scene, %d ... %ld (default %ld)\n"
               "  --screen WxH   draw onto a W x H drawable as the demo does on such a screen:\n"
               "                 the %d x %d picture scaled to fit, with black bars\n"
               "  --sharp        draw each frame at the size of the screen's 4:3 area instead\n"
               "  --simulate SYSTEM HZ\n"
               "                 run the demo's loop and the clock of SYSTEM (windows or linux)\n"
               "                 on a model of a display refreshing at HZ (59.94, 144, ...) in\n"
               "                 virtual time, and print what the display showed\n"
               "  --no-vsync     the simulated swap does not wait for the display\n"
               "  --draw-ms D    each simulated frame takes D ms to draw, 0 ... %g (default 2)\n"
               "  --seconds S    simulate S seconds, 1 ... %g (default 60)\n"
               "  --tick-counter-timing\n"
               "                 simulate windows with the clock the demo first had: the tick\n"
               "                 counter, the default timer period and VREFRESH's whole hertz\n"
               "  --help         show this and exit\n",
               program, program, 2, kMaxFrames, kDefaultFrames, gResX, gResY, kMaxDrawMs,
               kMaxSimulatedSeconds);
}

// A whole decimal number within [low, high]; no sign, no other characters.
bool ParseNumber(const char* text, long low, long high, long& value) {
  if (text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtol(text, &end, 10);
  return errno == 0 && *end == '\0' && value >= low && value <= high;
}

// A decimal number within (low, high] or [0, high] (low of 0), such as 59.94; nothing else.
bool ParseDecimal(const char* text, double low, double high, double& value) {
  if ((text[0] < '0' || text[0] > '9') && text[0] != '.') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text, &end);
  return errno == 0 && *end == '\0' && std::isfinite(value) && value <= high &&
         (low == 0 ? value >= 0 : value > low);
}

bool ParseScreen(const char* text, Rect& screen) {
  const char* cross = std::strchr(text, 'x');
  if (cross == nullptr) return false;
  const std::string width(text, cross);
  long w = 0;
  long h = 0;
  if (!ParseNumber(width.c_str(), 1, kMaxScreenSide, w) ||
      !ParseNumber(cross + 1, 1, kMaxScreenSide, h)) {
    return false;
  }
  screen = Rect{0, 0, static_cast<int>(w), static_cast<int>(h)};
  return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  bool haveFrames = false;
  bool simulate = false;
  bool simulationOptions = false;
  SimulationSettings simulation;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--simulate") {
      if (i + 2 >= argc) return false;
      const std::string system = argv[++i];
      if (system != "windows" && system != "linux") return false;
      simulation.system = system == "linux" ? SimulatedSystem::Linux : SimulatedSystem::Windows;
      if (!ParseDecimal(argv[++i], 0.5, kMaxRefreshHz, simulation.refreshHz)) return false;
      simulate = true;
    } else if (arg == "--no-vsync") {
      simulation.vsync = false;
      simulationOptions = true;
    } else if (arg == "--tick-counter-timing") {
      simulation.tickCounterTiming = true;
      simulationOptions = true;
    } else if (arg == "--draw-ms") {
      if (i + 1 >= argc || !ParseDecimal(argv[++i], 0, kMaxDrawMs, simulation.drawMs)) {
        return false;
      }
      simulationOptions = true;
    } else if (arg == "--seconds") {
      if (i + 1 >= argc || !ParseDecimal(argv[++i], 0, kMaxSimulatedSeconds, simulation.seconds) ||
          simulation.seconds < 1) {
        return false;
      }
      simulationOptions = true;
    } else if (arg == "--screen") {
      Rect screen;
      if (i + 1 >= argc || !ParseScreen(argv[++i], screen)) return false;
      options.screen = screen;
    } else if (arg == "--sharp") {
      options.drawing = PictureDrawing::Sharp;
    } else if (!haveFrames && ParseNumber(argv[i], 2, kMaxFrames, options.frames)) {
      haveFrames = true;
    } else {
      return false;
    }
  }
  if (simulate) {
    // A simulation draws nothing, so the drawing options do not apply to it; the first clock
    // was a Windows one.
    if (haveFrames || options.screen || options.drawing == PictureDrawing::Sharp) return false;
    if (simulation.tickCounterTiming && simulation.system != SimulatedSystem::Windows) {
      return false;
    }
    options.simulation = simulation;
    return true;
  }
  if (simulationOptions) return false;
  // Without a screen there is nothing larger to draw sharp on.
  return options.drawing == PictureDrawing::Scaled || options.screen.has_value();
}

// The drawable the frames go to, and on a screen of another size the picture's scaling.
class Surface {
 public:
  bool Open(const Options& options, std::string& error) {
    if (!options.screen) return open_ = OpenFrameSurface(window_, error);
    screen_ = *options.screen;
    if (!window_.CreateDemoWindow(screen_.width, screen_.height) || !EnableOpenGL(window_)) {
      error = window_.ErrorText();
      window_.DestroyDemoWindow();
      return false;
    }
    open_ = true;
    PrepareFrameState();
    picture_.emplace(options.drawing, [this] {
      return PictureSize{screen_.width, screen_.height};
    });
    if (!picture_->Start(SDL_GL_GetProcAddress)) {
      error = "no framebuffer objects to scale the picture with";
      return false;
    }
    return true;
  }

  ~Surface() {
    if (picture_) picture_->Stop();
    if (open_) CloseFrameSurface(window_);
  }

  // One frame as the demo draws and shows it, finished so that its whole cost is counted.
  double TimeFrame(int scene, float t, CursorPos cursor) {
    const auto start = std::chrono::steady_clock::now();
    if (picture_) picture_->Choose();
    DrawFrame(FrameInput{scene, t, cursor, WhereToDraw()});
    if (picture_) picture_->Present();
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    window_.SwapBuffers();
    return std::chrono::duration<double, std::milli>(end - start).count();
  }

  DrawingArea WhereToDraw() const { return picture_ ? picture_->WhereToDraw() : DrawingArea{}; }

 private:
  OffscreenWindow window_;
  bool open_ = false;
  Rect screen_;
  std::optional<WindowPicture> picture_;
};

double Percentile(const std::vector<double>& sorted, double fraction) {
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
  return sorted[index];
}

// Empty when a signal asked us to stop.
std::optional<Figures> MeasureScene(Surface& surface, int scene, float span, long frames) {
  constexpr int kCursorCount = sizeof(kCursors) / sizeof(kCursors[0]);
  for (int i = 0; i < kWarmUpFrames; ++i) surface.TimeFrame(scene, 0, kCursors[0]);
  std::vector<double> times;
  double total = 0;
  for (long i = 0; i < frames; ++i) {
    if (Interrupted()) return std::nullopt;
    const float t = span * static_cast<float>(i) / static_cast<float>(frames - 1);
    times.push_back(surface.TimeFrame(scene, t, kCursors[i % kCursorCount]));
    total += times.back();
  }
  std::sort(times.begin(), times.end());
  return Figures{Percentile(times, 0.5), Percentile(times, 0.99),
                 1000.0 * static_cast<double>(frames) / total};
}

int Run(const Options& options) {
  Surface surface;
  std::string error;
  if (!surface.Open(options, error)) {
    std::fprintf(stderr, "benchmark: %s\n", error.c_str());
    return 1;
  }
  std::printf("renderer: %s (%s)\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
              reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  const PictureSize drawn = surface.WhereToDraw().size;
  std::printf("picture: %d x %d", drawn.width, drawn.height);
  if (options.screen) {
    std::printf(" %s on a %d x %d screen",
                options.drawing == PictureDrawing::Sharp ? "drawn sharp" : "scaled",
                options.screen->width, options.screen->height);
  }
  std::printf(", %ld frames per scene, cursor over %zu positions\n", options.frames,
              sizeof(kCursors) / sizeof(kCursors[0]));
  std::fflush(stdout);
  for (int scene = 1; scene <= kSceneCount; ++scene) {
    const float end = SceneNumber(scene).endsPast;
    const float span = end == kNeverEnds ? kEndlessSpan : end;
    const std::optional<Figures> figures = MeasureScene(surface, scene, span, options.frames);
    if (!figures) break;
    std::printf("scene %d (t 0 ... %.1f): median %.2f ms, p99 %.2f ms, %.0f frames/s\n", scene,
                static_cast<double>(span), figures->medianMs, figures->p99Ms,
                figures->framesPerSecond);
    std::fflush(stdout);
  }
  if (!Interrupted()) return 0;
  std::fprintf(stderr, "benchmark: interrupted\n");
  return 128 + InterruptSignal();
}

}  // namespace

int main(int argc, char** argv) {
  // Before SDL starts, which then leaves these handlers in place.
  CatchInterrupts();
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    PrintUsage(stderr, argv[0]);
    return 2;
  }
  if (options.help) {
    PrintUsage(stdout, argv[0]);
    return 0;
  }
  if (options.simulation) {
    const SimulationSettings& settings = *options.simulation;
    std::printf("%s\n", DescribeSimulation(settings, Simulate(settings)).c_str());
    return 0;
  }
  return Run(options);
}
