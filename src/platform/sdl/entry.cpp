// Process entry on Linux: reads the demo's options and runs it on the SDL window with
// libopenmpt's music, full screen or in a window.
#include <memory>

#include "host/demo_options.h"
#include "host/win_main.h"
#include "module_player.h"
#include "sdl_window.h"

int main(int argc, char** argv) {
  const DemoOptions options = ParseDemoOptions(argc, argv);
  if (options.outcome != DemoOptions::Outcome::Run) return ReportDemoOptions(options);
  const std::unique_ptr<SystemWindow> window =
      CreateSdlWindow(options.windowed ? WindowMode::Windowed : WindowMode::FullScreen,
                      options.sharp ? PictureDrawing::Sharp : PictureDrawing::Scaled);
  ModulePlayer music;
  return host::WinMain(Platform{*window, *window, music}, options);
}
