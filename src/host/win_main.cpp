// Start-up order, the message handler and shutdown order around the scenes' loop.
#include "win_main.h"

#include "frame.h"
#include "gl_context.h"
#include "music/soundtrack.h"
#include "platform/user_text.h"
#include "scene_loop.h"
#include "screen.h"

namespace {

int Fail(const DemoWindow& window) {
  TellUser(TextStream::Error, "demo: " + window.ErrorText() + "\n");
  return 1;
}

}  // namespace

long WndProc(ClockAndInput& input, const Message& message) {
  switch (message.type) {
    case MessageType::Close:
      input.PostQuitMessage(0);
      return 0;
    case MessageType::KeyDown:
      if (message.wParam == kKeyEscape) input.PostQuitMessage(0);
      return 0;
    default:
      return input.DefWindowProc(message);
  }
}

int host::WinMain(Platform& platform) {
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

  const int exitCode = RunScenes(platform, platform, DrawFrame);

  FreeMusic(platform, song);
  DisableOpenGL(platform);
  platform.DestroyDemoWindow();
  return exitCode;
}
