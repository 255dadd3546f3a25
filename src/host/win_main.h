// The whole run of the demo in a program that may wait: start-up, the passes, shutdown.
#pragma once

#include "demo_options.h"
#include "platform/platform.h"
#include "scene_timeline.h"

// In a namespace: GCC for Windows gives every global function named WinMain the C name of the
// system's process entry, which on Windows is the entry that calls this one.
namespace host {

// Runs the demo on the given platform and returns its exit code: the quit message's code,
// or 1 when no window or GL context could be had. Frames are drawn by draw (see DemoRun).
int WinMain(const Platform& platform, const DemoOptions& options, FrameDrawer draw = DrawFrame);

}  // namespace host
