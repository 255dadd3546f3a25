// The demo's entry point in a web page. A page must return to the browser after each frame, so
// the run of WinMain is split into a start, a callback per animation frame (one pass of the
// scene loop: every pending message, then one frame) and an end that tells the page.
// Options (passed by the page from its query string): --scene N and --t MS start the timeline
// there; --freeze keeps the clock at that moment; --frame-times hands each frame's main-thread
// milliseconds to the page.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>

#include "host/frame.h"
#include "host/gl_context.h"
#include "host/scene_clock.h"
#include "host/win_main.h"
#include "music/soundtrack.h"
#include "scenes/cube_batch.h"
#include "scenes/scene_table.h"
#include "screen.h"
#include "text/font.h"
#include "web_platform.h"

namespace {

struct Options {
  int scene = 1;
  std::uint32_t startMs = 0;
  bool freeze = false;
  bool frameTimes = false;
};

// The platform lives as long as the page: its sound device stays open between runs, so a
// run started again plays through the same Web Audio context.
struct Run {
  WebPlatform platform;
  Song* song = nullptr;
  int scene = 1;
  std::uint32_t startTick = 0;
  bool running = false;
};

Options options;
Run* run = nullptr;

// The page's hooks (Module.onDemoEnd, onDemoFail, onFrameTime in web/shell.html).
EM_JS(void, TellPageDemoEnded, (int exitCode), { Module.onDemoEnd(exitCode); });
EM_JS(void, TellPageDemoFailed, (const char* why), { Module.onDemoFail(UTF8ToString(why)); });
EM_JS(void, TellPageFrameTime, (int scene, double ms), { Module.onFrameTime(scene, ms); });

void EndRun(int exitCode) {
  emscripten_cancel_main_loop();
  FreeMusic(run->platform, run->song);
  DisableOpenGL(run->platform);
  run->platform.DestroyDemoWindow();
  run->running = false;
  TellPageDemoEnded(exitCode);
}

// One pass of the scene loop: messages first, as WinMain takes them; a frame once none wait.
void Pass() {
  Message message;
  while (run->platform.PeekMessage(message)) {
    if (message.type == MessageType::Quit) {
      EndRun(static_cast<int>(message.wParam));
      return;
    }
    WndProc(run->platform, message);
  }
  const std::uint32_t now = options.freeze ? run->startTick : run->platform.GetTickCount();
  float t = SceneClock(run->startTick - options.startMs, now);
  if (!options.freeze && SceneIsOver(SceneNumber(run->scene), t) && run->scene < kSceneCount) {
    ++run->scene;
    run->startTick = now;
    options.startMs = 0;
    t = SceneClock(run->startTick, now);
  }
  const double before = emscripten_get_now();
  DrawFrame(FrameInput{run->scene, t, run->platform.GetCursorPos()});
  run->platform.SwapBuffers();
  if (options.frameTimes) {
    TellPageFrameTime(run->scene, emscripten_get_now() - before);
  }
}

// Start-up in WinMain's order; the timeline starts with the first frame.
bool StartRun() {
  Platform& platform = run->platform;
  platform.HideCursor();
  if (!platform.CreateDemoWindow(gResX, gResY)) return false;
  if (!EnableOpenGL(platform)) {
    platform.DestroyDemoWindow();
    return false;
  }
  run->song = StartMusic(platform);
  // The GL 1.1 layer under the page (src/fixed_function) draws the cube batch's vertex arrays
  // as the per-cube strips, and keeps every bitmap drawn outside a display list in its glyph
  // texture, so text goes through the font's lists rather than one merged bitmap per line.
  SetCubeDrawing(CubeDrawing::Batched);
  SetTextDrawing(TextDrawing::PerGlyph);
  PrepareFrameState();
  run->scene = options.scene;
  run->startTick = platform.GetTickCount();
  run->running = true;
  emscripten_set_main_loop(Pass, 0, 0);
  return true;
}

Options ParseOptions(int argc, char** argv) {
  Options parsed;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--scene") == 0 && hasValue) {
      const int scene = std::atoi(argv[++i]);
      parsed.scene = scene >= 1 && scene <= kSceneCount ? scene : 1;
    } else if (std::strcmp(argv[i], "--t") == 0 && hasValue) {
      parsed.startMs = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (std::strcmp(argv[i], "--freeze") == 0) {
      parsed.freeze = true;
    } else if (std::strcmp(argv[i], "--frame-times") == 0) {
      parsed.frameTimes = true;
    }
  }
  return parsed;
}

}  // namespace

// The page's "play again": the same start-up once more, from the start of the timeline.
extern "C" EMSCRIPTEN_KEEPALIVE int PlayAgain() {
  if (run == nullptr || run->running) return 0;
  options.startMs = 0;
  options.scene = 1;
  return StartRun() ? 1 : 0;
}

int main(int argc, char** argv) {
  options = ParseOptions(argc, argv);
  run = new Run;
  if (!StartRun()) {
    TellPageDemoFailed(run->platform.ErrorText().c_str());
    return 1;
  }
  return 0;
}
