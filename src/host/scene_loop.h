// The frame loop: the table's scenes one after another, one message per pass, and a frame in
// each pass that finds the queue empty.
#pragma once

#include <functional>

#include "frame.h"
#include "platform/clock_and_input.h"
#include "platform/demo_window.h"

// Draws one frame. The demo and the capture tool pass DrawFrame; tests may record instead.
using FrameDrawer = std::function<void(const FrameInput&)>;

// Runs the scenes in table order until the quit message is taken from the queue, and returns
// its code. Each scene's clock counts from the tick read as the scene begins; the first pass
// whose clock is past the scene's end begins the next scene. Every frame gets the tick and
// the cursor read in its own pass, then the buffers are swapped and the loop sleeps 1 ms.
int RunScenes(DemoWindow& window, ClockAndInput& input, const FrameDrawer& draw);
