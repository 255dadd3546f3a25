// Runs the host loop on the model and counts what the display showed.
#include "simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "display_model.h"
#include "host/win_main.h"
#include "model_system_calls.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/user_text.h"
#include "platform/win32/windows_clock.h"
#include "simulated_window.h"
#include "tick_counter_clock.h"

namespace {

// The run starts a while after the machine did, off the grid of every timer and refresh.
constexpr std::int64_t kStartNs = 1'000'000'000'000 + 123'457;
constexpr std::int64_t kNsPerSecond = 1'000'000'000;

struct FrameClock {
  std::int64_t drawnNs;
  int scene;
  float t;
};

// Runs the demo until the model's time is up, with the platform's clock.
void RunDemo(DisplayModel& model, SystemClock& clock, std::int64_t endNs,
             std::vector<FrameClock>& clocks) {
  SimulatedWindow window(model, clock, endNs);
  SilentMusic music;
  const FrameDrawer draw = [&](const FrameInput& input) {
    clocks.push_back(FrameClock{model.NowNs(), input.scene, input.t});
    model.DrawFrame();
  };
  // What the demo would tell a viewer (no music here) is no part of the simulation's report.
  SendUserTextTo([](TextStream, const std::string&) {});
  host::WinMain(Platform{window, window, music, FramePacing::ToDisplay}, DemoOptions{}, draw);
  SendUserTextTo({});
}

void CountRefreshes(const DisplayModel& model, std::int64_t endNs, SimulationReport& report) {
  const std::vector<std::int64_t>& shown = model.Shown();
  auto next = shown.begin();
  std::int64_t previous = model.StartNs();
  for (std::int64_t refresh = model.FirstRefreshAfter(previous); refresh <= endNs;
       refresh = model.FirstRefreshAfter(refresh)) {
    ++report.refreshes;
    bool newFrame = false;
    while (next != shown.end() && *next <= refresh) {
      newFrame = newFrame || *next > previous;
      ++next;
    }
    if (newFrame) {
      ++report.newFrames;
    } else if (refresh > model.StartNs() + kNsPerSecond) {
      ++report.repeated;
    }
    previous = refresh;
  }
}

// The scene clock's steps and the frame rate, once the first second has settled the loop.
void MeasureSteps(const std::vector<FrameClock>& clocks, std::int64_t settledNs, std::int64_t endNs,
                  SimulationReport& report) {
  report.frames = static_cast<long>(clocks.size());
  long steps = 0;
  long total = 0;
  long settledFrames = 0;
  for (std::size_t i = 1; i < clocks.size(); ++i) {
    if (clocks[i].drawnNs <= settledNs) continue;
    ++settledFrames;
    if (clocks[i].scene != clocks[i - 1].scene) continue;
    const long step = std::lround((static_cast<double>(clocks[i].t) - clocks[i - 1].t) * 10000);
    report.minStepMs = steps == 0 ? step : std::min(report.minStepMs, step);
    report.maxStepMs = steps == 0 ? step : std::max(report.maxStepMs, step);
    total += step;
    ++steps;
  }
  report.meanStepMs = steps > 0 ? static_cast<double>(total) / static_cast<double>(steps) : 0;
  report.framesPerSecond = static_cast<double>(settledFrames) * kNsPerSecond /
                           static_cast<double>(std::max<std::int64_t>(endNs - settledNs, 1));
}

}  // namespace

SimulationReport Simulate(const SimulationSettings& settings) {
  DisplayModel model(DisplayRateFromHz(settings.refreshHz), settings.vsync, settings.drawMs,
                     kStartNs);
  const std::int64_t endNs = kStartNs + std::llround(settings.seconds * kNsPerSecond);
  std::vector<FrameClock> clocks;
  if (settings.system == SimulatedSystem::Linux) {
    ModelSdlCalls calls(model);
    SdlClock clock(calls);
    RunDemo(model, clock, endNs, clocks);
  } else if (settings.tickCounterTiming) {
    ModelWindowsCalls calls(model);
    TickCounterClock clock(calls);
    RunDemo(model, clock, endNs, clocks);
  } else {
    ModelWindowsCalls calls(model);
    WindowsClock clock(calls);
    RunDemo(model, clock, endNs, clocks);
  }
  SimulationReport report;
  CountRefreshes(model, endNs, report);
  MeasureSteps(clocks, kStartNs + kNsPerSecond, endNs, report);
  const auto elapsed = static_cast<double>(model.NowNs() - kStartNs);
  report.awakeShare = elapsed > 0 ? 1 - static_cast<double>(model.AsleepNs()) / elapsed : 0;
  return report;
}

std::string DescribeSimulation(const SimulationSettings& settings, const SimulationReport& report) {
  char line[512];
  std::snprintf(
      line, sizeof line,
      "simulated %s%s, %g Hz display, %s, draw %.1f ms, %g s: %ld refreshes, %ld new frames, "
      "%ld repeated; scene-clock step %.2f ms (min %ld, max %ld); awake %.0f %%",
      settings.system == SimulatedSystem::Linux ? "linux" : "windows",
      settings.tickCounterTiming ? " with tick-counter timing" : "", settings.refreshHz,
      settings.vsync ? "vsync" : "no vsync", settings.drawMs, settings.seconds, report.refreshes,
      report.newFrames, report.repeated, report.meanStepMs, report.minStepMs, report.maxStepMs,
      100 * report.awakeShare);
  return line;
}
