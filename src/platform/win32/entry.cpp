// Process entry on Windows: the system's WinMain of a GUI program. It reads the demo's options
// and runs the host's WinMain on the Win32 window with waveOut's music, full screen or in a
// window; what the demo says goes to the console or stream it was started from, else into a
// message box.
#include <memory>

#include "console_or_message_box.h"
#include "host/demo_options.h"
#include "host/win_main.h"
#include "wave_out_player.h"
#include "win32_window.h"
#include "windows_api.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ConsoleOrMessageBox output;
  // The C runtime has split the command line into arguments as a console program's main gets.
  const DemoOptions options = ParseDemoOptions(__argc, __argv);
  int exitCode = 0;
  if (options.outcome != DemoOptions::Outcome::Run) {
    exitCode = ReportDemoOptions(options);
  } else {
    const std::unique_ptr<SystemWindow> window = CreateWin32Window(
        instance, options.windowed, options.sharp ? PictureDrawing::Sharp : PictureDrawing::Scaled);
    const std::unique_ptr<MusicOutput> music = CreateWaveOutPlayer();
    exitCode = host::WinMain(Platform{*window, *window, *music}, options);
  }
  output.Finish(exitCode, options.outcome == DemoOptions::Outcome::Help);
  return exitCode;
}
