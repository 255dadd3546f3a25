// One run of the demo on a platform, as three calls: start-up, a pass, shutdown. The native
// program's loop, the page's animation frames and the tests all drive a run through these.
#pragma once

#include <optional>

#include "demo_options.h"
#include "platform/platform.h"
#include "scene_timeline.h"

struct Song;

class DemoRun {
 public:
  // With options.frameTimes, each frame's time is written to standard output unless the
  // caller sets onFrameTime to take it instead. Frames are drawn by draw: DrawFrame, or in the
  // display simulation a stand-in that only takes the drawing's time.
  DemoRun(const Platform& platform, const DemoOptions& options, FrameDrawer draw = DrawFrame);
  DemoRun(const DemoRun&) = delete;
  DemoRun& operator=(const DemoRun&) = delete;

  // Hides the cursor, creates the window and its GL context, starts the music and prepares
  // the frame state, in that order; the timeline starts then. False when no window or context
  // could be had (the window's ErrorText says why); nothing is left open then.
  bool StartUp();
  // One pass of the timeline (SceneTimeline::Pass); call only after a successful StartUp.
  PassOutcome Pass() { return timeline_->Pass(); }
  // Frees the music, the GL context and the window, in that order, and returns the exit code:
  // the quit message's.
  int ShutDown();

  std::function<void(int scene, double ms)> onFrameTime;

 private:
  Platform platform_;
  DemoOptions options_;
  FrameDrawer draw_;
  Song* song_ = nullptr;
  std::optional<FramePacer> pacer_;
  std::optional<SceneTimeline> timeline_;
};
