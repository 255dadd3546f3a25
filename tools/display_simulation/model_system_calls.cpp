// The model's answers to the Windows and SDL calls.
#include "model_system_calls.h"

#include <cmath>

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

}  // namespace

std::int64_t ModelWindowsCalls::QueryPerformanceCounter() {
  return model_.NowNs() / (1'000'000'000 / kCounterPerSecond);
}

bool ModelWindowsCalls::timeBeginPeriod(std::uint32_t milliseconds) {
  if (milliseconds != 1) return false;  // the model knows the one period the demo asks for
  ++periodsHeld_;
  return true;
}

void ModelWindowsCalls::timeEndPeriod(std::uint32_t milliseconds) {
  if (milliseconds == 1 && periodsHeld_ > 0) --periodsHeld_;
}

std::int64_t ModelWindowsCalls::TimerPeriodNs() const {
  return periodsHeld_ > 0 ? kNsPerMs : kDefaultTimerPeriodNs;
}

void ModelWindowsCalls::Sleep(std::uint32_t milliseconds) {
  if (milliseconds == 0) return;  // gives up the time slice; nothing else runs here
  const std::int64_t period = TimerPeriodNs();
  const std::int64_t due = model_.NowNs() + milliseconds * kNsPerMs;
  model_.SleepUntil((due + period - 1) / period * period);
}

std::uint32_t ModelWindowsCalls::GetTickCount() const {
  const std::int64_t lastTick = model_.NowNs() / kDefaultTimerPeriodNs * kDefaultTimerPeriodNs;
  return static_cast<std::uint32_t>(lastTick / kNsPerMs);
}

int ModelWindowsCalls::GetDeviceCapsVRefresh() {
  return static_cast<int>(model_.Rate().numerator / model_.Rate().denominator);
}

RefreshRatio ModelWindowsCalls::QueryDisplayConfigRefresh() {
  if (!reportsExactRate_) return RefreshRatio{};
  return RefreshRatio{static_cast<std::uint32_t>(model_.Rate().numerator),
                      static_cast<std::uint32_t>(model_.Rate().denominator)};
}

std::uint32_t ModelSdlCalls::SDL_GetTicks() {
  return static_cast<std::uint32_t>(model_.NowNs() / kNsPerMs);
}

std::uint64_t ModelSdlCalls::SDL_GetPerformanceCounter() {
  return static_cast<std::uint64_t>(model_.NowNs());
}

void ModelSdlCalls::SDL_Delay(std::uint32_t milliseconds) {
  model_.SleepUntil(model_.NowNs() + milliseconds * kNsPerMs + kTimerSlackNs);
}

void ModelSdlCalls::SDL_WaitEventTimeout(int timeoutMs) {
  if (timeoutMs > 0) SDL_Delay(static_cast<std::uint32_t>(timeoutMs));
}

int ModelSdlCalls::DisplayModeRefreshRate() {
  return static_cast<int>(std::lround(model_.Rate().Hz()));
}
