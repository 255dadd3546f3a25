// The scenes' timeline, one pass at a time: every platform's loop is a series of these passes.
// The native program runs them back to back, the page one burst per animation frame, and the
// capture tool on a clock that moves one video frame per swap.
#pragma once

#include <cstdint>
#include <functional>

#include "frame.h"
#include "platform/clock_and_input.h"
#include "platform/demo_window.h"
#include "platform/frame_pacer.h"

// Draws one frame. The demo and the capture tool pass DrawFrame; tests may record instead.
using FrameDrawer = std::function<void(const FrameInput&)>;

// Where the timeline starts: a scene, a moment into it, and whether its clock stands still
// there (the developer options; by default scene 1 from its start, running).
struct TimelineStart {
  int scene = 1;
  std::uint32_t atMs = 0;
  bool frozen = false;
};

// What a pass did.
enum class PassOutcome {
  Message,     // took one message off the queue and handled it
  SceneBegan,  // found the scene over and began the next
  Waited,      // waited for the window to show again or for the frame's time to come
  Frame,       // drew a frame and swapped the buffers
  Quit,        // took the quit message: the run is over
};

class SceneTimeline {
 public:
  // Scene clocks count from the tick read as each scene begins: here for the first. With a
  // pacer, frames come no faster than it allows; without, as fast as the passes are called.
  SceneTimeline(DemoWindow& window, ClockAndInput& input, FrameDrawer draw,
                const TimelineStart& start, FramePacer* pacer = nullptr);

  // One pass. A waiting message comes first: the quit message ends the run, any other goes to
  // WndProc, and no frame is drawn. With the queue empty, a scene whose clock is past its end
  // gives way to the next; otherwise one frame is drawn with the tick and cursor read now,
  // the buffers are swapped and the loop sleeps 1 ms. While the window cannot be seen, or
  // before the pacer's next frame time, the pass waits for a message instead of drawing.
  PassOutcome Pass();

  // The quit message's code, once a pass has returned Quit.
  int ExitCode() const { return exitCode_; }
  // Called after each frame with its scene and the milliseconds its drawing and swap took.
  std::function<void(int scene, double ms)> onFrameTime;

 private:
  DemoWindow& window_;
  ClockAndInput& input_;
  FrameDrawer draw_;
  FramePacer* pacer_;
  int scene_;
  std::uint32_t startTick_;
  std::uint32_t offsetMs_;  // how far into its scene the timeline started; 0 after a change
  bool frozen_;
  int exitCode_ = 0;
};

// Runs passes from the start of the timeline until the quit message, as fast as they come,
// and returns its code: the capture tool's loop, on a clock that moves with the frames.
int RunScenes(DemoWindow& window, ClockAndInput& input, const FrameDrawer& draw);
