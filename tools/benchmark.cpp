// Frame-time benchmark: draws frames of both scenes offscreen at 800 x 600 through the demo's
// own DrawFrame, over a spread of clock values and cursor positions, and prints per scene the
// median and 99th-percentile frame time and the frames per second.
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/frame.h"
#include "platform/offscreen/offscreen_window.h"
#include "scenes/scene_table.h"
#include "screen.h"

namespace {

constexpr int kDefaultFrames = 600;
constexpr int kWarmUpFrames = 20;
constexpr float kEndlessSpan = 6;  // of a scene with no end, one minute is sampled

// Cursor positions over the picture: centre, edges and corners, visited in turn.
constexpr CursorPos kCursors[] = {{400, 300}, {0, 300},   {799, 300}, {400, 0},  {400, 599},
                                  {0, 0},     {799, 599}, {200, 450}, {600, 150}};

struct Figures {
  double medianMs = 0;
  double p99Ms = 0;
  double framesPerSecond = 0;
};

// One frame as the demo draws it, finished so that its whole cost is counted.
double TimeFrame(OffscreenWindow& window, int scene, float t, CursorPos cursor) {
  const auto start = std::chrono::steady_clock::now();
  DrawFrame(FrameInput{scene, t, cursor});
  glFinish();
  const auto end = std::chrono::steady_clock::now();
  window.SwapBuffers();
  return std::chrono::duration<double, std::milli>(end - start).count();
}

double Percentile(const std::vector<double>& sorted, double fraction) {
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
  return sorted[index];
}

Figures MeasureScene(OffscreenWindow& window, int scene, float span, int frames) {
  constexpr int kCursorCount = sizeof(kCursors) / sizeof(kCursors[0]);
  for (int i = 0; i < kWarmUpFrames; ++i) TimeFrame(window, scene, 0, kCursors[0]);
  std::vector<double> times;
  double total = 0;
  for (int i = 0; i < frames; ++i) {
    const float t = span * static_cast<float>(i) / static_cast<float>(frames - 1);
    times.push_back(TimeFrame(window, scene, t, kCursors[i % kCursorCount]));
    total += times.back();
  }
  std::sort(times.begin(), times.end());
  return Figures{Percentile(times, 0.5), Percentile(times, 0.99), 1000.0 * frames / total};
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::atoi(argv[1]) : kDefaultFrames;
  if (argc > 2 || frames < 2) {
    std::fprintf(stderr, "usage: %s [frames per scene, at least 2; default %d]\n", argv[0],
                 kDefaultFrames);
    return 2;
  }
  OffscreenWindow window;
  std::string error;
  if (!OpenFrameSurface(window, error)) {
    std::fprintf(stderr, "benchmark: %s\n", error.c_str());
    return 1;
  }
  std::printf("renderer: %s (%s)\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
              reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  std::printf("picture: %d x %d, %d frames per scene, cursor over %zu positions\n", gResX, gResY,
              frames, sizeof(kCursors) / sizeof(kCursors[0]));
  for (int scene = 1; scene <= kSceneCount; ++scene) {
    const float end = SceneNumber(scene).endsPast;
    const float span = end == kNeverEnds ? kEndlessSpan : end;
    const Figures figures = MeasureScene(window, scene, span, frames);
    std::printf("scene %d (t 0 ... %.1f): median %.2f ms, p99 %.2f ms, %.0f frames/s\n", scene,
                static_cast<double>(span), figures.medianMs, figures.p99Ms,
                figures.framesPerSecond);
  }
  CloseFrameSurface(window);
  return 0;
}
