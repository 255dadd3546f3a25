// Process entry on Windows: the demo runs on the Win32 platform, full screen or in a window.
//
// The entry is the console's main, not the system's WinMain: GCC for mingw gives every
// function named WinMain the plain C name, so the system's entry and the demo's
// WinMain(Platform&) would be one symbol and call themselves. A console program also keeps
// stdout and stderr, where the demo answers --help and says why it stops, visible from a
// console and under Wine.
#include <memory>

#include "host/demo_options.h"
#include "host/win_main.h"
#include "win32_platform_factory.h"

int main(int argc, char** argv) {
  const DemoOptions options = ParseDemoOptions(argc, argv);
  if (options.outcome != DemoOptions::Outcome::Run) return ReportDemoOptions(options);
  const std::unique_ptr<Platform> platform = CreateWin32Platform(options.windowed);
  return WinMain(*platform);
}
