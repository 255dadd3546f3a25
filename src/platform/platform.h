// The whole system the demo runs on, as the parts each program's entry composes: the window
// and its GL surface, the clock and input, and the music. The demo's code takes the narrowest
// part it needs; a run of the demo takes them all.
#pragma once

#include "clock_and_input.h"
#include "demo_window.h"
#include "music_output.h"

// A system's window with its clock and input: one object on every real platform, where the
// system ties the two together (its window procedure or event queue, the cursor mapped into
// the window's picture).
class SystemWindow : public DemoWindow, public ClockAndInput {};

// Who decides when the next frame is drawn.
enum class FramePacing {
  ToDisplay,  // the demo's own loop: no faster than the display refreshes (native programs)
  ByCaller,   // whoever calls the passes: the browser's animation frames, a capture's clock
};

struct Platform {
  DemoWindow& window;
  ClockAndInput& input;
  MusicOutput& music;
  FramePacing pacing = FramePacing::ToDisplay;
};
