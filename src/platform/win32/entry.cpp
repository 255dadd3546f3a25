// Process entry on Windows: the system's WinMain of a GUI program. It reads the demo's options,
// makes the Win32 platform, full screen or in a window, and runs the host's WinMain; what the
// demo says goes to the console or stream it was started from, else into a message box.
#include <cstdlib>
#include <memory>

#include "console_or_message_box.h"
#include "host/demo_options.h"
#include "host/win_main.h"
#include "win32_platform_factory.h"
#include "windows_api.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ConsoleOrMessageBox output;
  // The C runtime has split the command line into arguments as a console program's main gets.
  const DemoOptions options = ParseDemoOptions(__argc, __argv);
  int exitCode = 0;
  if (options.outcome != DemoOptions::Outcome::Run) {
    exitCode = ReportDemoOptions(options);
  } else {
    const std::unique_ptr<Platform> platform = CreateWin32Platform(options.windowed);
    exitCode = host::WinMain(*platform);
  }
  output.Finish(exitCode, options.outcome == DemoOptions::Outcome::Help);
  return exitCode;
}
