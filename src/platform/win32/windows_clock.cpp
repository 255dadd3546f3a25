// The Windows clock over the system's calls: counter, timer periods, waits and the display rate.
#include "windows_clock.h"

#include "platform/frame_pacer.h"

namespace {

constexpr std::uint32_t kTimerPeriodMs = 1;

}  // namespace

WindowsClock::WindowsClock(WindowsTimingCalls& calls)
    : calls_(calls),
      counterPerSecond_(static_cast<std::uint64_t>(calls.QueryPerformanceFrequency())),
      periodHeld_(calls.timeBeginPeriod(kTimerPeriodMs)) {}

WindowsClock::~WindowsClock() {
  if (periodHeld_) calls_.timeEndPeriod(kTimerPeriodMs);
}

std::uint32_t WindowsClock::Milliseconds() {
  // Whole milliseconds since the machine started, wrapping as GetTickCount's do.
  return static_cast<std::uint32_t>(NowUs() / 1000);
}

std::uint64_t WindowsClock::NowUs() {
  // Every Windows since XP has the counter; a frequency of 0 would mean it has none.
  if (counterPerSecond_ == 0) return 0;
  return CounterToMicroseconds(static_cast<std::uint64_t>(calls_.QueryPerformanceCounter()),
                               counterPerSecond_);
}

void WindowsClock::Sleep(std::uint32_t milliseconds) { calls_.Sleep(milliseconds); }

void WindowsClock::WaitForInput(std::uint32_t timeoutMs) {
  calls_.MsgWaitForMultipleObjects(timeoutMs);
}

double WindowsClock::RefreshRate() const {
  const RefreshRatio exact = calls_.QueryDisplayConfigRefresh();
  if (exact.numerator > 0 && exact.denominator > 0) {
    return static_cast<double>(exact.numerator) / exact.denominator;
  }
  // 0 and 1 stand for the hardware's default rate, which the system does not tell.
  const int wholeHz = calls_.GetDeviceCapsVRefresh();
  return wholeHz > 1 ? wholeHz : 0;
}
