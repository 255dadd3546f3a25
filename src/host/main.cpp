// Process entry: the demo runs on the real platform.
#include "platform/sdl/sdl_platform.h"
#include "win_main.h"

int main() {
  SdlPlatform platform;
  return WinMain(platform);
}
