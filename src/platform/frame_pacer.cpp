// The frame pacer's schedule: one frame start per refresh period.
#include "frame_pacer.h"

FramePacer::FramePacer(int refreshHz)
    : periodUs_(1000000 /
                static_cast<std::uint64_t>(refreshHz > 0 ? refreshHz : kDefaultRefreshHz)) {}

std::uint64_t FramePacer::WaitBeforeNextFrame(std::uint64_t nowUs) const {
  if (!started_ || nowUs >= nextUs_) return 0;
  return nextUs_ - nowUs;
}

void FramePacer::FrameStarted(std::uint64_t nowUs) {
  const std::uint64_t onSchedule = nextUs_ + periodUs_;
  nextUs_ = started_ && onSchedule > nowUs ? onSchedule : nowUs + periodUs_;
  started_ = true;
}

std::uint64_t CounterToMicroseconds(std::uint64_t counter, std::uint64_t perSecond) {
  return counter / perSecond * 1000000 + counter % perSecond * 1000000 / perSecond;
}
