// The message handler, and the native loop: passes back to back until the quit message.
#include "win_main.h"

#include <utility>

#include "demo_run.h"
#include "platform/user_text.h"

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

int host::WinMain(const Platform& platform, const DemoOptions& options, FrameDrawer draw) {
  DemoRun run(platform, options, std::move(draw));
  if (!run.StartUp()) {
    TellUser(TextStream::Error, "demo: " + platform.window.ErrorText() + "\n");
    return 1;
  }
  while (run.Pass() != PassOutcome::Quit) {
  }
  return run.ShutDown();
}
