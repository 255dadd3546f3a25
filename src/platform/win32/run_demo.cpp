// Runs the demo on the Win32 platform; this file never sees windows.h, whose WinMain would
// clash with the demo's.
#include "run_demo.h"

#include "host/win_main.h"
#include "win32_platform_factory.h"

int RunDemo() {
  const std::unique_ptr<Platform> platform = CreateWin32Platform();
  return WinMain(*platform);
}
