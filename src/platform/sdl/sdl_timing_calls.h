// The real SDL's timing calls for the Linux clock.
#pragma once

#include <SDL.h>

#include "sdl_clock.h"

class SdlRealTimingCalls final : public SdlTimingCalls {
 public:
  // The rate is read for the display that *window shows on; the window may be null until made.
  explicit SdlRealTimingCalls(SDL_Window* const* window) : window_(window) {}

  std::uint32_t SDL_GetTicks() override { return ::SDL_GetTicks(); }
  std::uint64_t SDL_GetPerformanceCounter() override { return ::SDL_GetPerformanceCounter(); }
  std::uint64_t SDL_GetPerformanceFrequency() override { return ::SDL_GetPerformanceFrequency(); }
  void SDL_Delay(std::uint32_t milliseconds) override { ::SDL_Delay(milliseconds); }
  // Without an event to fill in, SDL waits and leaves the event in its queue.
  void SDL_WaitEventTimeout(int timeoutMs) override { ::SDL_WaitEventTimeout(nullptr, timeoutMs); }
  int DisplayModeRefreshRate() override;

 private:
  SDL_Window* const* window_;
};
