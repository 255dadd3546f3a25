// The display model's clock, refreshes and swaps.
#include "display_model.h"

#include <cmath>

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;

}  // namespace

DisplayRate DisplayRateFromHz(double hz) {
  const double television = hz * 1.001;
  if (std::fabs(television - std::round(television)) < 0.005 &&
      std::fabs(hz - std::round(hz)) > 0.005) {
    return DisplayRate{std::llround(television) * 1000, 1001};
  }
  return DisplayRate{std::llround(hz * 1000), 1000};
}

DisplayModel::DisplayModel(DisplayRate rate, bool vsync, double drawMs, std::int64_t startNs)
    : rate_(rate),
      vsync_(vsync),
      drawNs_(std::llround(drawMs * 1e6)),
      startNs_(startNs),
      nowNs_(startNs) {}

void DisplayModel::DrawFrame() { nowNs_ += drawNs_; }

void DisplayModel::SwapBuffers() {
  if (vsync_) SleepUntil(FirstRefreshAfter(nowNs_));
  shown_.push_back(nowNs_);
}

void DisplayModel::SleepUntil(std::int64_t wakeNs) {
  if (wakeNs <= nowNs_) return;
  asleepNs_ += wakeNs - nowNs_;
  nowNs_ = wakeNs;
}

std::int64_t DisplayModel::RefreshTime(std::int64_t k) const {
  return k * kNsPerSecond * rate_.denominator / rate_.numerator;
}

std::int64_t DisplayModel::FirstRefreshAfter(std::int64_t t) const {
  std::int64_t k = t * rate_.numerator / (kNsPerSecond * rate_.denominator);
  while (RefreshTime(k) <= t) ++k;
  return RefreshTime(k);
}
