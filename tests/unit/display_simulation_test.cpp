// The demo on simulated PC displays: with vsync every refresh shows a new frame and the scene
// clock moves one refresh period a frame; without vsync the frame rate is the display's and the
// loop sleeps between frames. Both native platforms, at the usual rates, fractional 59.94 Hz
// included. The clock the Windows program first had is held against the same model, so the
// model is seen to catch judder.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "display_simulation/display_model.h"
#include "display_simulation/model_system_calls.h"
#include "display_simulation/simulation.h"
#include "platform/win32/windows_clock.h"

namespace {

constexpr double kRates[] = {50, 59.94, 60, 75, 120, 144, 165};
constexpr double kDrawMs[] = {1, 12};
constexpr double kSeconds = 10;

struct GridPoint {
  SimulatedSystem system;
  double hz;
  bool vsync;
  double drawMs;
};

// A frame fits the period when it is drawn, and the loop's Sleep(1) (up to 2 ms on a 1 ms
// timer) is over, before the next refresh.
bool DrawingFits(double hz, double drawMs) { return drawMs + 2 <= 1000 / hz; }

std::vector<GridPoint> Grid() {
  std::vector<GridPoint> grid;
  for (const SimulatedSystem system : {SimulatedSystem::Windows, SimulatedSystem::Linux}) {
    for (const double hz : kRates) {
      for (const bool vsync : {true, false}) {
        for (const double drawMs : kDrawMs) {
          if (DrawingFits(hz, drawMs)) grid.push_back(GridPoint{system, hz, vsync, drawMs});
        }
      }
    }
  }
  return grid;
}

std::string GridPointName(const testing::TestParamInfo<GridPoint>& info) {
  std::string hz = std::to_string(std::lround(info.param.hz * 100));
  return std::string(info.param.system == SimulatedSystem::Windows ? "Windows" : "Linux") + "_" +
         hz.substr(0, hz.size() - 2) + "_" + hz.substr(hz.size() - 2) + "Hz_" +
         (info.param.vsync ? "Vsync" : "NoVsync") + "_Draw" +
         std::to_string(static_cast<int>(info.param.drawMs)) + "ms";
}

SimulationSettings SettingsFor(const GridPoint& point) {
  SimulationSettings settings;
  settings.system = point.system;
  settings.refreshHz = point.hz;
  settings.vsync = point.vsync;
  settings.drawMs = point.drawMs;
  settings.seconds = kSeconds;
  return settings;
}

class SmoothOnEveryDisplay : public testing::TestWithParam<GridPoint> {};

}  // namespace

TEST_P(SmoothOnEveryDisplay, NewFrameEveryRefreshWithVsyncAndTheDisplaysRateWithout) {
  const GridPoint& point = GetParam();
  const SimulationSettings settings = SettingsFor(point);
  const SimulationReport report = Simulate(settings);
  const double periodMs = 1000 / DisplayRateFromHz(point.hz).Hz();
  SCOPED_TRACE(DescribeSimulation(settings, report));
  ASSERT_GT(report.refreshes, static_cast<long>(point.hz * (kSeconds - 1)));
  if (point.vsync) {
    EXPECT_EQ(report.repeated, 0);
    EXPECT_GE(static_cast<double>(report.minStepMs), periodMs - 1);
    EXPECT_LE(static_cast<double>(report.maxStepMs), periodMs + 1);
  } else {
    EXPECT_NEAR(report.framesPerSecond / point.hz, 1, 0.02);
    // Awake only to draw: the rest of each period is spent asleep, not spinning.
    EXPECT_LE(report.awakeShare, point.drawMs / periodMs + 0.05);
  }
}

INSTANTIATE_TEST_SUITE_P(Grid, SmoothOnEveryDisplay, testing::ValuesIn(Grid()), GridPointName);

TEST(DisplaySimulation, TheFirstWindowsClockJuddersOnTheModel) {
  // The tick counter's 15.6 ms steps, 15.6 ms sleeps and a pacer at 59 Hz for a 59.94 Hz display.
  SimulationSettings settings;
  settings.refreshHz = 59.94;
  settings.seconds = kSeconds;
  settings.tickCounterTiming = true;
  const SimulationReport vsync = Simulate(settings);
  SCOPED_TRACE(DescribeSimulation(settings, vsync));
  EXPECT_GT(vsync.repeated, 10) << "frames miss refreshes";
  EXPECT_LE(vsync.minStepMs, 16);
  EXPECT_GE(vsync.maxStepMs, 31) << "the clock moves in ticks";
  settings.vsync = false;
  const SimulationReport noVsync = Simulate(settings);
  SCOPED_TRACE(DescribeSimulation(settings, noVsync));
  EXPECT_LT(noVsync.framesPerSecond, 59.5) << "paced to a whole 59 Hz";
  EXPECT_GE(noVsync.maxStepMs, 31);
}

TEST(DisplaySimulation, AFrameThatTakesLongerThanAPeriodShowsOnEveryOtherRefresh) {
  SimulationSettings settings;
  settings.refreshHz = 60;
  settings.drawMs = 20;
  settings.seconds = kSeconds;
  const SimulationReport report = Simulate(settings);
  SCOPED_TRACE(DescribeSimulation(settings, report));
  EXPECT_NEAR(static_cast<double>(report.repeated), 0.5 * 60 * (kSeconds - 1), 60);
  EXPECT_EQ(report.minStepMs, 33);
  EXPECT_EQ(report.maxStepMs, 34);
}

TEST(DisplaySimulation, TheSameSettingsGiveTheSameRun) {
  SimulationSettings settings;
  settings.system = SimulatedSystem::Linux;
  settings.refreshHz = 144;
  settings.vsync = false;
  settings.seconds = 3;
  EXPECT_EQ(DescribeSimulation(settings, Simulate(settings)),
            DescribeSimulation(settings, Simulate(settings)));
}

TEST(DisplayModel, TelevisionRatesAreWholeNumbersOverOnePointZeroZeroOne) {
  const DisplayRate ntsc = DisplayRateFromHz(59.94);
  EXPECT_EQ(ntsc.numerator, 60000);
  EXPECT_EQ(ntsc.denominator, 1001);
  EXPECT_EQ(DisplayRateFromHz(119.88).numerator, 120000);
  EXPECT_EQ(DisplayRateFromHz(23.976).numerator, 24000);
  const DisplayRate sixty = DisplayRateFromHz(60);
  EXPECT_EQ(sixty.numerator / sixty.denominator, 60);
  EXPECT_EQ(sixty.numerator % sixty.denominator, 0);
  EXPECT_DOUBLE_EQ(DisplayRateFromHz(143.98).Hz(), 143.98);
}

TEST(DisplayModel, AVsyncSwapReturnsAtTheNextRefresh) {
  DisplayModel model(DisplayRate{60, 1}, true, 2, 1'000'000'000);  // at a refresh
  model.DrawFrame();
  model.SwapBuffers();
  EXPECT_EQ(model.NowNs(), 1'000'000'000 + 16'666'666);
  EXPECT_EQ(model.AsleepNs(), 16'666'666 - 2'000'000);
  model.SwapBuffers();  // at a refresh: the next one
  EXPECT_EQ(model.NowNs(), 1'000'000'000 + 33'333'333);
  DisplayModel noVsync(DisplayRate{60, 1}, false, 2, 0);
  noVsync.SwapBuffers();
  EXPECT_EQ(noVsync.NowNs(), 0);
  EXPECT_EQ(noVsync.Shown(), std::vector<std::int64_t>{0});
}
