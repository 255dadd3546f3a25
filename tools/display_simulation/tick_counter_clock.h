// The Windows clock as the demo first had it, kept as a model to hold the new one against: the
// scene clock from GetTickCount, the system's default timer period (no 1 ms periods asked for)
// and VREFRESH's whole hertz for the rate.
#pragma once

#include "model_system_calls.h"
#include "platform/system_clock.h"

class TickCounterClock final : public SystemClock {
 public:
  explicit TickCounterClock(ModelWindowsCalls& calls) : calls_(calls) {}

  std::uint32_t Milliseconds() override { return calls_.GetTickCount(); }
  std::uint64_t NowUs() override;
  void Sleep(std::uint32_t milliseconds) override { calls_.Sleep(milliseconds); }
  void WaitForInput(std::uint32_t timeoutMs) override {
    calls_.MsgWaitForMultipleObjects(timeoutMs);
  }
  double RefreshRate() const override;

 private:
  ModelWindowsCalls& calls_;
};
