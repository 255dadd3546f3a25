// Process entry: the demo runs on the real platform, full screen or in a window.
#include "demo_options.h"
#include "platform/sdl/sdl_platform.h"
#include "win_main.h"

int main(int argc, char** argv) {
  const DemoOptions options = ParseDemoOptions(argc, argv);
  if (options.outcome != DemoOptions::Outcome::Run) return ReportDemoOptions(options);
  SdlPlatform platform(options.windowed ? WindowMode::Windowed : WindowMode::FullScreen);
  return host::WinMain(platform);
}
