// The native loop: passes back to back until the quit message.
#include "win_main.h"

#include <utility>

#include "demo_run.h"
#include "platform/user_text.h"

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
