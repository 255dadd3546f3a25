// The frame pacer: frames no faster than the display's true rate, and no wait of its own once
// the buffer swap is seen waiting for the display.
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// One frame of a loop: the pass waits while the pacer says so, then the frame starts, takes
// drawUs to draw and swapUs to swap. Returns when the swap returned.
std::uint64_t Frame(FramePacer& pacer, std::uint64_t nowUs, std::uint64_t drawUs = 1000,
                    std::uint64_t swapUs = 0) {
  nowUs += pacer.WaitBeforeNextFrame(nowUs);
  pacer.FrameStarted(nowUs);
  const std::uint64_t swapStart = nowUs + drawUs;
  pacer.FrameSwapped(swapStart, swapStart + swapUs);
  return swapStart + swapUs;
}

// The first frames, never held back, with swaps that return at once: no vsync.
std::uint64_t PastTheProbe(FramePacer& pacer, std::uint64_t nowUs) {
  for (int i = 0; i < FramePacer::kProbeFrames; ++i) {
    EXPECT_EQ(pacer.WaitBeforeNextFrame(nowUs), 0u) << "probe frame " << i;
    nowUs = Frame(pacer, nowUs) + 1000;
  }
  return nowUs;
}

}  // namespace

TEST(FramePacer, ThePeriodKeepsTheRatesFractionAndUnknownRatesMeanSixtyHertz) {
  EXPECT_EQ(FramePacer(60000.0 / 1001).PeriodUs(), 16683u);  // 59.94 Hz, not 1/59 s
  EXPECT_EQ(FramePacer(144).PeriodUs(), 6944u);
  EXPECT_EQ(FramePacer(0).PeriodUs(), 16667u);
  EXPECT_EQ(FramePacer(-1).PeriodUs(), 16667u);
  EXPECT_EQ(FramePacer(std::nan("")).PeriodUs(), 16667u);
}

TEST(FramePacer, AfterTheProbeFramesStartOnePeriodApartKeepingTheirPhase) {
  FramePacer pacer(50);  // 20 ms
  std::uint64_t now = PastTheProbe(pacer, 1000);
  EXPECT_FALSE(pacer.DisplayPaces());
  pacer.FrameStarted(now);
  EXPECT_EQ(pacer.WaitBeforeNextFrame(now + 4000), 16000u);
  pacer.FrameSwapped(now + 2000, now + 2000);
  pacer.FrameStarted(now + 20500);  // half a millisecond late, as after a coarse wait
  EXPECT_EQ(pacer.WaitBeforeNextFrame(now + 22000), 18000u) << "the schedule keeps its phase";
  pacer.FrameSwapped(now + 22500, now + 22500);
  pacer.FrameStarted(now + 95000);  // late by 35 ms
  EXPECT_EQ(pacer.WaitBeforeNextFrame(now + 95000), 20000u) << "no burst to catch up";
}

TEST(FramePacer, AFastLoopWithoutVsyncGetsOneFramePerPeriodAfterTheProbe) {
  // A loop that draws in 1 ms, swaps at once and asks again every 100 us, for one second.
  FramePacer pacer(60000.0 / 1001);
  int frames = 0;
  for (std::uint64_t now = 0; now < 1000000; now += 100) {
    if (pacer.WaitBeforeNextFrame(now) > 0) continue;
    pacer.FrameStarted(now);
    pacer.FrameSwapped(now + 1000, now + 1000);
    now += 1000;
    ++frames;
  }
  // The probe's frames come as fast as the loop; from then on one every 16.683 ms.
  EXPECT_GE(frames, 59 + FramePacer::kProbeFrames - 1);
  EXPECT_LE(frames, 60 + FramePacer::kProbeFrames);
  EXPECT_FALSE(pacer.DisplayPaces());
}

TEST(FramePacer, SwapsThatWaitForTheRefreshLeaveThePacingToTheDisplay) {
  // A 59.94 Hz display whose rate the system reports as a whole 59: the pacer's own schedule
  // would be slower than the display, so it must not wait at all once it sees the swaps wait.
  const double period = 1e6 * 1001 / 60000;
  FramePacer pacer(59);
  std::uint64_t now = 500;
  for (int frame = 0; frame < 200; ++frame) {
    const std::uint64_t wait = pacer.WaitBeforeNextFrame(now);
    if (frame >= FramePacer::kProbeFrames) {
      EXPECT_EQ(wait, 0u) << "frame " << frame;
    }
    now += wait;
    pacer.FrameStarted(now);
    const std::uint64_t swapStart = now + 2000;
    const auto refresh = static_cast<std::uint64_t>(
        std::ceil((static_cast<double>(swapStart) + 1) / period) * period);
    pacer.FrameSwapped(swapStart, refresh);
    now = refresh + 1000;  // the loop's Sleep(1)
  }
  EXPECT_TRUE(pacer.DisplayPaces());
}

TEST(FramePacer, SlowSwapsOffTheRefreshRhythmAreNoVsync) {
  // Swaps that take 3 ms (a busy graphics card), 5 ms apart: not the display's doing.
  FramePacer pacer(60);
  std::uint64_t now = 0;
  for (int frame = 0; frame < FramePacer::kProbeFrames; ++frame) {
    now = Frame(pacer, now, 1000, 3000) + 1000;
  }
  EXPECT_FALSE(pacer.DisplayPaces());
  pacer.FrameStarted(now);
  EXPECT_GT(pacer.WaitBeforeNextFrame(now + 5000), 0u);
}

TEST(FramePacer, ChangesItsMindOnlyWhenThreeFramesInARowTellOtherwise) {
  FramePacer pacer(100);  // 10 ms
  std::uint64_t now = 0;
  // With vsync: each swap waits until the next 10 ms refresh.
  auto vsyncFrame = [&] {
    pacer.FrameStarted(now);
    const std::uint64_t swapStart = now + 2000;
    const std::uint64_t refresh = (swapStart / 10000 + 1) * 10000;
    pacer.FrameSwapped(swapStart, refresh);
    now = refresh + 1000;
  };
  for (int frame = 0; frame < FramePacer::kProbeFrames; ++frame) vsyncFrame();
  ASSERT_TRUE(pacer.DisplayPaces());
  // Two swaps that return at once (a frame queued by the driver) change nothing.
  now = Frame(pacer, now) + 1000;
  now = Frame(pacer, now) + 1000;
  vsyncFrame();
  EXPECT_TRUE(pacer.DisplayPaces());
  // Three in a row do: vsync is gone, and the pacer keeps the frames to the rate again.
  for (int frame = 0; frame < FramePacer::kFramesToChangeMind; ++frame) {
    now = Frame(pacer, now) + 1000;
  }
  EXPECT_FALSE(pacer.DisplayPaces());
  EXPECT_GT(pacer.WaitBeforeNextFrame(now), 0u);
}

TEST(FramePacer, CounterReadingsBecomeMicrosecondsWithoutOverflow) {
  EXPECT_EQ(CounterToMicroseconds(3'579'545, 3'579'545), 1'000'000u);
  EXPECT_EQ(CounterToMicroseconds(1'500, 1'000), 1'500'000u);
  // A nanosecond counter after about 290 years: the plain product would pass 2^64.
  const std::uint64_t seconds = 9'000'000'000;
  EXPECT_EQ(CounterToMicroseconds(seconds * 1'000'000'000 + 999, 1'000'000'000),
            seconds * 1'000'000);
}
