// The frame pacer's schedule, and its judgement of whether the swap waits for the display.
#include "frame_pacer.h"

#include <cmath>

namespace {

constexpr std::uint64_t kDisplayWaitUs = 1000;

std::uint64_t PeriodFor(double refreshHz) {
  const double hz =
      refreshHz > 0 && std::isfinite(refreshHz) ? refreshHz : FramePacer::kDefaultRefreshHz;
  return static_cast<std::uint64_t>(std::llround(1e6 / hz));
}

}  // namespace

FramePacer::FramePacer(double refreshHz) : periodUs_(PeriodFor(refreshHz)) {}

std::uint64_t FramePacer::WaitBeforeNextFrame(std::uint64_t nowUs) {
  if (displayPaces_ || framesSwapped_ < kProbeFrames || !started_ || nowUs >= nextUs_) return 0;
  heldBack_ = true;
  return nextUs_ - nowUs;
}

void FramePacer::FrameStarted(std::uint64_t nowUs) {
  // A frame that was not held back (while the display paces, or early on) may start well before
  // its time; the schedule then starts anew from it rather than running ahead.
  const std::uint64_t onSchedule = nextUs_ + periodUs_;
  const bool keepsPhase = started_ && onSchedule > nowUs && onSchedule <= nowUs + periodUs_;
  nextUs_ = keepsPhase ? onSchedule : nowUs + periodUs_;
  started_ = true;
}

void FramePacer::FrameSwapped(std::uint64_t swapStartUs, std::uint64_t swapEndUs) {
  const bool waited = swapEndUs >= swapStartUs + kDisplayWaitUs;
  if (!heldBack_) {
    const bool forDisplay = waited && OnTheRefreshRhythm(swapEndUs);
    framesTellingOtherwise_ = forDisplay == displayPaces_ ? 0 : framesTellingOtherwise_ + 1;
    if (framesTellingOtherwise_ >= kFramesToChangeMind) {
      displayPaces_ = forDisplay;
      framesTellingOtherwise_ = 0;
    }
  }
  heldBack_ = false;
  if (waited) {
    lastWaitEndUs_ = swapEndUs;
    waitSeen_ = true;
  }
  if (framesSwapped_ < kProbeFrames) ++framesSwapped_;
}

bool FramePacer::OnTheRefreshRhythm(std::uint64_t swapEndUs) const {
  if (!waitSeen_ || swapEndUs < lastWaitEndUs_) return false;
  const double periods =
      static_cast<double>(swapEndUs - lastWaitEndUs_) / static_cast<double>(periodUs_);
  return periods >= 0.9 && std::fabs(periods - std::round(periods)) <= 0.1;
}

std::uint64_t CounterToMicroseconds(std::uint64_t counter, std::uint64_t perSecond) {
  return counter / perSecond * 1000000 + counter % perSecond * 1000000 / perSecond;
}
