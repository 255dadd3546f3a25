// Process entry on Windows: the demo runs on the Win32 platform.
//
// The entry is the console's main, not the system's WinMain: GCC for mingw gives every
// function named WinMain the plain C name, so the system's entry and the demo's
// WinMain(Platform&) would be one symbol and call themselves. A console program also keeps
// stderr, where the demo says why it stops, visible from a console and under Wine.
#include <memory>

#include "host/win_main.h"
#include "win32_platform_factory.h"

int main() {
  const std::unique_ptr<Platform> platform = CreateWin32Platform();
  return WinMain(*platform);
}
