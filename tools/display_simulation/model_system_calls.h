// The system calls the native clocks are made of, answered by the display model: Windows with
// its timer periods, tick counter and rates as it reports them, and SDL on Linux.
#pragma once

#include <cstdint>

#include "display_model.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/win32/windows_clock.h"

// Windows: sleeps and waits end on a timer interrupt, every 15.625 ms unless a program holds
// 1 ms periods; the high-resolution counter runs at 10 MHz; GetTickCount moves once per 15.625
// ms whatever the period; VREFRESH rounds the rate down to whole hertz, QueryDisplayConfig
// gives it exactly (unless the model says the system does not).
class ModelWindowsCalls final : public WindowsTimingCalls {
 public:
  static constexpr std::int64_t kDefaultTimerPeriodNs = 15'625'000;
  static constexpr std::int64_t kCounterPerSecond = 10'000'000;

  explicit ModelWindowsCalls(DisplayModel& model, bool reportsExactRate = true)
      : model_(model), reportsExactRate_(reportsExactRate) {}

  std::int64_t QueryPerformanceCounter() override;
  std::int64_t QueryPerformanceFrequency() override { return kCounterPerSecond; }
  bool timeBeginPeriod(std::uint32_t milliseconds) override;
  void timeEndPeriod(std::uint32_t milliseconds) override;
  void Sleep(std::uint32_t milliseconds) override;
  void MsgWaitForMultipleObjects(std::uint32_t timeoutMs) override { Sleep(timeoutMs); }
  int GetDeviceCapsVRefresh() override;
  RefreshRatio QueryDisplayConfigRefresh() override;

  // GetTickCount, which the Windows clock no longer reads: whole milliseconds at the last tick.
  std::uint32_t GetTickCount() const;
  // The period sleeps and waits end on now, and how many 1 ms periods are held.
  std::int64_t TimerPeriodNs() const;
  int PeriodsHeld() const { return periodsHeld_; }

 private:
  DisplayModel& model_;
  bool reportsExactRate_;
  int periodsHeld_ = 0;
};

// SDL on Linux: its ticks are whole milliseconds, its counter nanoseconds; sleeps and waits end
// when asked, give or take the kernel's 50 us of timer slack; the display mode's rate is
// rounded to whole hertz.
class ModelSdlCalls final : public SdlTimingCalls {
 public:
  static constexpr std::int64_t kTimerSlackNs = 50'000;

  explicit ModelSdlCalls(DisplayModel& model) : model_(model) {}

  std::uint32_t SDL_GetTicks() override;
  std::uint64_t SDL_GetPerformanceCounter() override;
  std::uint64_t SDL_GetPerformanceFrequency() override { return 1'000'000'000; }
  void SDL_Delay(std::uint32_t milliseconds) override;
  void SDL_WaitEventTimeout(int timeoutMs) override;
  int DisplayModeRefreshRate() override;

 private:
  DisplayModel& model_;
};
