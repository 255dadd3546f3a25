// SDL's display mode, for the Linux clock's refresh rate.
#include "sdl_timing_calls.h"

int SdlRealTimingCalls::DisplayModeRefreshRate() {
  SDL_DisplayMode mode{};
  const int display = *window_ != nullptr ? SDL_GetWindowDisplayIndex(*window_) : -1;
  return display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 ? mode.refresh_rate : 0;
}
