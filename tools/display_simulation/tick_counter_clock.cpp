// The first Windows clock, over the model's calls.
#include "tick_counter_clock.h"

#include "platform/frame_pacer.h"

std::uint64_t TickCounterClock::NowUs() {
  return CounterToMicroseconds(static_cast<std::uint64_t>(calls_.QueryPerformanceCounter()),
                               static_cast<std::uint64_t>(calls_.QueryPerformanceFrequency()));
}

double TickCounterClock::RefreshRate() const {
  const int wholeHz = calls_.GetDeviceCapsVRefresh();
  return wholeHz > 1 ? wholeHz : 0;
}
