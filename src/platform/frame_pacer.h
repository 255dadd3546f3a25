// Frame pacing for the native loops: frames no faster than the display refreshes, and no wait of
// our own where the buffer swap already waits for the display. Pure arithmetic on a microsecond
// clock, the same rule on every native platform.
#pragma once

#include <cstdint>

// A system counter's reading in microseconds, for counters of any rate; whole seconds are taken
// first, so the product cannot overflow however long the machine has run.
std::uint64_t CounterToMicroseconds(std::uint64_t counter, std::uint64_t perSecond);

class FramePacer {
 public:
  // The rate used when the display does not say.
  static constexpr double kDefaultRefreshHz = 60;
  // The first frames are never held back: whether their swaps wait for the display tells
  // whether the display paces the frames.
  static constexpr int kProbeFrames = 8;
  // How many frames in a row must tell otherwise before the pacer changes its mind.
  static constexpr int kFramesToChangeMind = 3;

  // The display's refresh rate, fractions kept (59.94 Hz is a period of 16,683 us); 0, less or
  // not a number means unknown.
  explicit FramePacer(double refreshHz);

  // Microseconds from now until the next frame may start; 0 when it may start now, and always
  // 0 while the display paces the frames.
  std::uint64_t WaitBeforeNextFrame(std::uint64_t nowUs);

  // A frame starts now. Frame starts are spaced one refresh period apart, keeping their phase;
  // a frame that starts more than a period late, or early, starts a new schedule rather than
  // letting frames bunch up to catch up or wait to make up.
  void FrameStarted(std::uint64_t nowUs);

  // The frame's buffer swap ran from swapStartUs to swapEndUs. A swap of a frame that was not
  // held back, that took a millisecond or more and that returned a whole number of periods
  // (within a tenth of one) after the last swap that waited, waited for the display's refresh:
  // then the display paces the frames and the pacer adds no wait of its own, which would only
  // make a frame miss its refresh.
  void FrameSwapped(std::uint64_t swapStartUs, std::uint64_t swapEndUs);

  std::uint64_t PeriodUs() const { return periodUs_; }
  bool DisplayPaces() const { return displayPaces_; }

 private:
  bool OnTheRefreshRhythm(std::uint64_t swapEndUs) const;

  std::uint64_t periodUs_;
  bool started_ = false;
  std::uint64_t nextUs_ = 0;
  int framesSwapped_ = 0;
  bool heldBack_ = false;  // this frame was held back by a wait of ours
  bool waitSeen_ = false;
  std::uint64_t lastWaitEndUs_ = 0;  // when the last swap that waited returned
  bool displayPaces_ = false;
  int framesTellingOtherwise_ = 0;
};
