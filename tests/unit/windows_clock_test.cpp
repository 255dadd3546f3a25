// The Windows program's clock over Windows' calls, here on the display model: the counter's
// milliseconds, 1 ms timer periods held for the clock's life, and the display's exact rate.
#include "platform/win32/windows_clock.h"

#include <gtest/gtest.h>

#include <optional>

#include "display_simulation/display_model.h"
#include "display_simulation/model_system_calls.h"

namespace {

constexpr std::int64_t kStartNs = 5'000'000'000;

}  // namespace

TEST(WindowsClock, HoldsOneMillisecondTimerPeriodsWhileItLives) {
  DisplayModel model(DisplayRateFromHz(60), true, 2, kStartNs);
  ModelWindowsCalls calls(model);
  {
    WindowsClock clock(calls);
    EXPECT_EQ(calls.PeriodsHeld(), 1);
    const std::int64_t before = model.NowNs();
    clock.Sleep(1);
    EXPECT_LE(model.NowNs() - before, 2'000'000) << "Sleep(1) lasts up to 2 ms, not a tick";
  }
  EXPECT_EQ(calls.PeriodsHeld(), 0);
  const std::int64_t before = model.NowNs();
  calls.Sleep(1);
  EXPECT_GT(model.NowNs() - before, 2'000'000) << "the model's default period is the tick";
}

TEST(WindowsClock, MillisecondsComeFromTheCounterNotTheTick) {
  DisplayModel model(DisplayRateFromHz(60), false, 1, kStartNs);
  ModelWindowsCalls calls(model);
  WindowsClock clock(calls);
  const std::uint32_t start = clock.Milliseconds();
  const std::uint32_t startTick = calls.GetTickCount();
  model.DrawFrame();  // 1 ms passes
  EXPECT_EQ(clock.Milliseconds() - start, 1u);
  EXPECT_EQ(calls.GetTickCount() - startTick, 0u) << "the tick counter has not moved yet";
  EXPECT_EQ(clock.NowUs(), static_cast<std::uint64_t>(model.NowNs() / 1000));
}

TEST(WindowsClock, MillisecondsWrapAtTwoToTheThirtyTwoAsTheTickCounterDid) {
  // A machine up for 2^32 ms and 5 ms more.
  const std::int64_t wrappedNs = ((std::int64_t{1} << 32) + 5) * 1'000'000;
  DisplayModel model(DisplayRateFromHz(60), false, 1, wrappedNs);
  ModelWindowsCalls calls(model);
  WindowsClock clock(calls);
  EXPECT_EQ(clock.Milliseconds(), 5u);
}

TEST(WindowsClock, TheRateIsExactWhereTheSystemSaysElseVrefreshsWholeHertz) {
  DisplayModel model(DisplayRateFromHz(59.94), true, 2, kStartNs);
  ModelWindowsCalls exact(model);
  EXPECT_DOUBLE_EQ(WindowsClock(exact).RefreshRate(), 60000.0 / 1001);
  ModelWindowsCalls wholeOnly(model, false);
  EXPECT_EQ(WindowsClock(wholeOnly).RefreshRate(), 59);
}
