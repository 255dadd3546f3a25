// The frame pacer: frames no faster than the refresh rate, on a steady schedule.
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

TEST(FramePacer, UnknownRatesMeanSixtyHertz) {
  EXPECT_EQ(FramePacer(0).PeriodUs(), 16666u);
  EXPECT_EQ(FramePacer(-1).PeriodUs(), 16666u);
  EXPECT_EQ(FramePacer(144).PeriodUs(), 6944u);
}

TEST(FramePacer, TheFirstFrameStartsAtOnceAndTheNextOnePeriodLater) {
  FramePacer pacer(50);
  EXPECT_EQ(pacer.WaitBeforeNextFrame(1000), 0u);
  pacer.FrameStarted(1000);
  EXPECT_EQ(pacer.WaitBeforeNextFrame(1000), 20000u);
  EXPECT_EQ(pacer.WaitBeforeNextFrame(15000), 6000u);
  EXPECT_EQ(pacer.WaitBeforeNextFrame(21000), 0u);
  EXPECT_EQ(pacer.WaitBeforeNextFrame(90000), 0u);
}

TEST(FramePacer, AFastLoopGetsExactlyOneFramePerPeriod) {
  // A loop that draws in no time and asks again every 100 us, for one second.
  FramePacer pacer(60);
  int frames = 0;
  for (std::uint64_t now = 0; now < 1000000; now += 100) {
    if (pacer.WaitBeforeNextFrame(now) == 0) {
      pacer.FrameStarted(now);
      ++frames;
    }
  }
  EXPECT_EQ(frames, 60);  // at 0, 16.7 ms, ..., 983.3 ms
}

TEST(FramePacer, SlightlyLateFramesKeepThePhaseAndLateOnesDoNotBunchUp) {
  FramePacer pacer(100);  // 10 ms
  pacer.FrameStarted(0);
  pacer.FrameStarted(10500);  // late by 0.5 ms, as after a vsync'd swap
  EXPECT_EQ(pacer.WaitBeforeNextFrame(12000), 8000u) << "the schedule keeps its phase";
  pacer.FrameStarted(55000);  // late by 35 ms
  EXPECT_EQ(pacer.WaitBeforeNextFrame(55000), 10000u) << "no burst to catch up";
}

TEST(FramePacer, CounterReadingsBecomeMicrosecondsWithoutOverflow) {
  EXPECT_EQ(CounterToMicroseconds(3'579'545, 3'579'545), 1'000'000u);
  EXPECT_EQ(CounterToMicroseconds(1'500, 1'000), 1'500'000u);
  // A nanosecond counter after about 290 years: the plain product would pass 2^64.
  const std::uint64_t seconds = 9'000'000'000;
  EXPECT_EQ(CounterToMicroseconds(seconds * 1'000'000'000 + 999, 1'000'000'000),
            seconds * 1'000'000);
}
