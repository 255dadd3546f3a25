// The Linux program's clock and waits, written against the few SDL calls they are made of, so
// that they run against the real SDL (sdl_timing_calls) or a model of it. Includes no SDL header.
#pragma once

#include <cstdint>

#include "platform/system_clock.h"

// The SDL calls the clock is made of, by their SDL names.
class SdlTimingCalls {
 public:
  virtual ~SdlTimingCalls() = default;

  virtual std::uint32_t SDL_GetTicks() = 0;
  virtual std::uint64_t SDL_GetPerformanceCounter() = 0;
  virtual std::uint64_t SDL_GetPerformanceFrequency() = 0;
  virtual void SDL_Delay(std::uint32_t milliseconds) = 0;
  // SDL_WaitEventTimeout without taking the event off the queue.
  virtual void SDL_WaitEventTimeout(int timeoutMs) = 0;
  // SDL_GetCurrentDisplayMode's refresh_rate for the window's display: whole hertz, rounded to
  // the nearest (60 for a 59.94 Hz mode); 0 when unknown.
  virtual int DisplayModeRefreshRate() = 0;
};

class SdlClock final : public SystemClock {
 public:
  explicit SdlClock(SdlTimingCalls& calls) : calls_(calls) {}

  std::uint32_t Milliseconds() override { return calls_.SDL_GetTicks(); }
  std::uint64_t NowUs() override;
  void Sleep(std::uint32_t milliseconds) override { calls_.SDL_Delay(milliseconds); }
  void WaitForInput(std::uint32_t timeoutMs) override;
  double RefreshRate() const override { return calls_.DisplayModeRefreshRate(); }

 private:
  SdlTimingCalls& calls_;
};
