// One pass of the scenes' timeline: a message, a scene change or a frame.
#include "scene_timeline.h"

#include <utility>

#include "message_handler.h"
#include "scene_clock.h"
#include "scenes/scene_table.h"

namespace {

// How long a pass waits for a message while the window cannot be seen, before looking again.
constexpr std::uint32_t kHiddenWaitMs = 1000;

}  // namespace

SceneTimeline::SceneTimeline(DemoWindow& window, ClockAndInput& input, FrameDrawer draw,
                             const TimelineStart& start, FramePacer* pacer)
    : window_(window),
      input_(input),
      draw_(std::move(draw)),
      pacer_(pacer),
      scene_(start.scene),
      startTick_(input.GetTickCount()),
      offsetMs_(start.atMs),
      frozen_(start.frozen) {}

PassOutcome SceneTimeline::Pass() {
  Message message;
  if (input_.PeekMessage(message)) {
    if (message.type == MessageType::Quit) {
      exitCode_ = static_cast<int>(message.wParam);
      return PassOutcome::Quit;
    }
    WndProc(input_, message);
    return PassOutcome::Message;
  }
  const std::uint32_t now = frozen_ ? startTick_ : input_.GetTickCount();
  const float t = SceneClock(startTick_ - offsetMs_, now);
  if (!frozen_ && SceneIsOver(SceneNumber(scene_), t)) {
    // Past the last scene there is nothing more to show: the run ends as Esc would end it.
    if (scene_ == kSceneCount) return PassOutcome::Quit;
    ++scene_;
    offsetMs_ = 0;
    startTick_ = input_.GetTickCount();
    return PassOutcome::SceneBegan;
  }
  if (!window_.Showing()) {
    input_.WaitForMessage(kHiddenWaitMs);
    return PassOutcome::Waited;
  }
  if (pacer_ != nullptr) {
    const std::uint64_t nowUs = input_.NowUs();
    const std::uint64_t waitUs = pacer_->WaitBeforeNextFrame(nowUs);
    if (waitUs > 0) {
      input_.WaitForMessage(static_cast<std::uint32_t>((waitUs + 999) / 1000));
      return PassOutcome::Waited;
    }
    pacer_->FrameStarted(nowUs);
  }
  const std::uint64_t drawStartUs = onFrameTime ? input_.NowUs() : 0;
  draw_(FrameInput{scene_, t, input_.GetCursorPos(), window_.WhereToDraw()});
  // The pacer learns from how long the swap took whether it waits for the display.
  const std::uint64_t swapStartUs = pacer_ != nullptr ? input_.NowUs() : 0;
  window_.SwapBuffers();
  const std::uint64_t swapEndUs = pacer_ != nullptr || onFrameTime ? input_.NowUs() : 0;
  if (pacer_ != nullptr) pacer_->FrameSwapped(swapStartUs, swapEndUs);
  if (onFrameTime) onFrameTime(scene_, static_cast<double>(swapEndUs - drawStartUs) / 1000);
  input_.Sleep(1);
  return PassOutcome::Frame;
}

int RunScenes(DemoWindow& window, ClockAndInput& input, const FrameDrawer& draw) {
  SceneTimeline timeline(window, input, draw, TimelineStart{});
  while (timeline.Pass() != PassOutcome::Quit) {
  }
  return timeline.ExitCode();
}
