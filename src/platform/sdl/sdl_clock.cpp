// The Linux clock over SDL's calls.
#include "sdl_clock.h"

#include <climits>

#include "platform/frame_pacer.h"

std::uint64_t SdlClock::NowUs() {
  return CounterToMicroseconds(calls_.SDL_GetPerformanceCounter(),
                               calls_.SDL_GetPerformanceFrequency());
}

void SdlClock::WaitForInput(std::uint32_t timeoutMs) {
  calls_.SDL_WaitEventTimeout(timeoutMs > INT_MAX ? INT_MAX : static_cast<int>(timeoutMs));
}
