// Start-up order, the message-pump-and-frame loop of each scene, and shutdown order.
#include "win_main.h"

#include <cstdio>

#include "frame.h"
#include "gl_context.h"
#include "music/soundtrack.h"
#include "scene_clock.h"
#include "screen.h"

namespace {

struct RunState {
  bool quit = false;  // set only when the quit message is taken from the queue
  Message message;
};

// One scene's loop. Each pass handles at most one message; a frame is drawn only in a pass
// that found the queue empty, so pending messages delay frames but never the clock.
void RunScene(Platform& platform, int scene, RunState& state) {
  const std::uint32_t startTick = platform.GetTickCount();
  while (!state.quit) {
    if (platform.PeekMessage(state.message)) {
      if (state.message.type == MessageType::Quit) {
        state.quit = true;
      } else {
        WndProc(platform, state.message);
      }
      continue;
    }
    const float t = SceneClock(startTick, platform.GetTickCount());
    if (scene == 1 && SceneOneIsOver(t)) return;
    DrawFrame(FrameInput{scene, t, platform.GetCursorPos()});
    platform.SwapBuffers();
    platform.Sleep(1);
  }
}

int Fail(const Platform& platform) {
  std::fprintf(stderr, "demo: %s\n", platform.ErrorText().c_str());
  return 1;
}

}  // namespace

long WndProc(Platform& platform, const Message& message) {
  switch (message.type) {
    case MessageType::Close:
      platform.PostQuitMessage(0);
      return 0;
    case MessageType::KeyDown:
      if (message.wParam == kKeyEscape) platform.PostQuitMessage(0);
      return 0;
    default:
      return platform.DefWindowProc(message);
  }
}

int WinMain(Platform& platform) {
  // Without a window or a context nothing could be seen and nothing could end the run, so
  // these two failures stop the demo with a message instead of running on blind.
  platform.HideCursor();
  if (!platform.CreateDemoWindow(gResX, gResY)) return Fail(platform);
  if (!EnableOpenGL(platform)) {
    platform.DestroyDemoWindow();
    return Fail(platform);
  }
  Song* song = StartMusic(platform);
  PrepareFrameState();

  RunState state;
  RunScene(platform, 1, state);
  RunScene(platform, 2, state);

  FreeMusic(platform, song);
  DisableOpenGL(platform);
  platform.DestroyDemoWindow();
  return static_cast<int>(state.message.wParam);
}
