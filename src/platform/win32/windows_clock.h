// The Windows program's clock and waits, written against the few Windows calls they are made of,
// so that they run against the real system (win32_timing_calls) or a model of it. Includes no
// system header.
#pragma once

#include <cstdint>

#include "platform/system_clock.h"

// A refresh rate as Windows gives it exactly: numerator / denominator Hz (60000 / 1001 for a
// 59.94 Hz mode); 0 / 0 when not given.
struct RefreshRatio {
  std::uint32_t numerator = 0;
  std::uint32_t denominator = 0;
};

// The Windows calls the clock is made of, by their system names.
class WindowsTimingCalls {
 public:
  virtual ~WindowsTimingCalls() = default;

  virtual std::int64_t QueryPerformanceCounter() = 0;
  virtual std::int64_t QueryPerformanceFrequency() = 0;
  // True when the system granted the period (TIMERR_NOERROR).
  virtual bool timeBeginPeriod(std::uint32_t milliseconds) = 0;
  virtual void timeEndPeriod(std::uint32_t milliseconds) = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // MsgWaitForMultipleObjects with no handles, for any input to the thread's queue.
  virtual void MsgWaitForMultipleObjects(std::uint32_t timeoutMs) = 0;
  // GetDeviceCaps(VREFRESH) of the window's device context: whole hertz, rounded down by the
  // system (59 for a 59.94 Hz mode); 0 or 1 for the hardware's default.
  virtual int GetDeviceCapsVRefresh() = 0;
  // QueryDisplayConfig's refresh rate of the display the window is on.
  virtual RefreshRatio QueryDisplayConfigRefresh() = 0;
};

// The clock reads the high-resolution counter, so each frame sees the milliseconds that really
// passed (GetTickCount moves in steps of the system tick, 15.6 ms on most PCs). While it lives it
// holds 1 ms timer periods, so that Sleep(1) and the pacer's waits last about what they ask
// rather than up to a whole tick.
class WindowsClock final : public SystemClock {
 public:
  explicit WindowsClock(WindowsTimingCalls& calls);
  ~WindowsClock() override;
  WindowsClock(const WindowsClock&) = delete;
  WindowsClock& operator=(const WindowsClock&) = delete;

  std::uint32_t Milliseconds() override;
  std::uint64_t NowUs() override;
  void Sleep(std::uint32_t milliseconds) override;
  void WaitForInput(std::uint32_t timeoutMs) override;
  // The exact rate where QueryDisplayConfig gives it, else VREFRESH's whole hertz, else 0.
  double RefreshRate() const override;

 private:
  WindowsTimingCalls& calls_;
  std::uint64_t counterPerSecond_;
  bool periodHeld_;
};
