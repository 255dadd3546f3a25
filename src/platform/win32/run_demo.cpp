// Runs the demo on the Win32 platform; this file never sees windows.h, whose WinMain would
// clash with the demo's.
#include "run_demo.h"

#include "host/demo_options.h"
#include "host/win_main.h"
#include "win32_platform_factory.h"

int RunDemo(int argc, const char* const* argv) {
  const DemoOptions options = ParseDemoOptions(argc, argv);
  if (options.outcome != DemoOptions::Outcome::Run) return ReportDemoOptions(options);
  const std::unique_ptr<Platform> platform = CreateWin32Platform(options.windowed);
  return WinMain(*platform);
}
