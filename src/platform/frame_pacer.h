// Frame pacing without vsync: when the next frame may start so that frames come no faster
// than the display refreshes. Pure arithmetic on a microsecond clock, for every platform.
#pragma once

#include <cstdint>

// A system counter's reading in microseconds, for counters of any rate; whole seconds are taken
// first, so the product cannot overflow however long the machine has run.
std::uint64_t CounterToMicroseconds(std::uint64_t counter, std::uint64_t perSecond);

class FramePacer {
 public:
  // The rate used when the display does not say.
  static constexpr int kDefaultRefreshHz = 60;

  // A refresh rate of 0 or less means unknown.
  explicit FramePacer(int refreshHz);

  // Microseconds from now until the next frame may start; 0 when it may start now.
  std::uint64_t WaitBeforeNextFrame(std::uint64_t nowUs) const;

  // A frame starts now. Frame starts are spaced one refresh period apart, keeping their phase
  // (so with vsync, where the swap already waits for the display, no wait is added). A frame
  // that starts more than a period late starts a new schedule rather than letting frames
  // bunch up to catch up.
  void FrameStarted(std::uint64_t nowUs);

  std::uint64_t PeriodUs() const { return periodUs_; }

 private:
  std::uint64_t periodUs_;
  bool started_ = false;
  std::uint64_t nextUs_ = 0;
};
