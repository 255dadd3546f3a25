// A run of the demo's real host loop (start-up, passes, pacer, shutdown) and a native platform's
// real clock on a model of a PC's display and timers, in virtual time, and what a viewer would
// have seen: how many refreshes showed a new frame, and how evenly the scene clock moved.
#pragma once

#include <string>

enum class SimulatedSystem { Windows, Linux };

struct SimulationSettings {
  SimulatedSystem system = SimulatedSystem::Windows;
  double refreshHz = 60;  // the display's true rate
  bool vsync = true;      // whether a swap waits for the next refresh
  double drawMs = 2;      // how long each frame takes to draw
  double seconds = 60;
  // Windows only: the clock the demo first had (GetTickCount, the default timer period,
  // VREFRESH's whole hertz), to hold the new one against.
  bool tickCounterTiming = false;
};

struct SimulationReport {
  long refreshes = 0;
  long newFrames = 0;  // refreshes that showed a frame no refresh showed before
  long repeated = 0;   // after the first second, refreshes that showed the last frame again
  long frames = 0;     // frames drawn
  // After the first second: frames drawn a second, and the milliseconds the scene clock moved
  // from one frame to the next (within a scene).
  double framesPerSecond = 0;
  double meanStepMs = 0;
  long minStepMs = 0;
  long maxStepMs = 0;
  double awakeShare = 0;  // of the time, not in a sleep, a wait or a swap's wait for the display
};

SimulationReport Simulate(const SimulationSettings& settings);

// One line: "simulated windows, 59.94 Hz display, vsync, draw 2.0 ms, 60 s: 3596 refreshes, ..."
std::string DescribeSimulation(const SimulationSettings& settings, const SimulationReport& report);
