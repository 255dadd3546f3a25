// The pass every platform runs: where the timeline starts and whether its clock runs, how
// frames are paced to the display and held back while the window is hidden, the frame times,
// and a run driven as the page drives it.
#include "host/scene_timeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "host/demo_run.h"
#include "host/scene_clock.h"
#include "host/win_main.h"
#include "support/recording_platform.h"

namespace {

const Message kEsc{MessageType::KeyDown, kKeyEscape};

long Count(const std::vector<std::string>& calls, const std::string& call) {
  return std::count(calls.begin(), calls.end(), call);
}

// The frames a timeline draws in `passes` passes from `start`, on the platform's script.
std::vector<FrameInput> Frames(RecordingPlatform& platform, const TimelineStart& start, int passes,
                               FramePacer* pacer = nullptr) {
  std::vector<FrameInput> drawn;
  SceneTimeline timeline(
      platform, platform, [&](const FrameInput& in) { drawn.push_back(in); }, start, pacer);
  for (int i = 0; i < passes; ++i) timeline.Pass();
  return drawn;
}

}  // namespace

TEST(SceneTimeline, StartsAtTheGivenSceneAndMomentAndRunsOnFromThere) {
  RecordingPlatform platform;
  platform.SetTicks(5000);
  std::uint32_t now = 5000;
  platform.ticks = [&] { return now; };
  std::vector<FrameInput> drawn;
  SceneTimeline timeline(
      platform, platform, [&](const FrameInput& in) { drawn.push_back(in); },
      TimelineStart{1, 30000, false});
  EXPECT_EQ(timeline.Pass(), PassOutcome::Frame);
  now += 1000;  // 31,000 ms into scene 1: still drawn
  EXPECT_EQ(timeline.Pass(), PassOutcome::Frame);
  now += 1;  // 31,001 ms: scene 2 begins, its clock from 0
  EXPECT_EQ(timeline.Pass(), PassOutcome::SceneBegan);
  now += 250;
  EXPECT_EQ(timeline.Pass(), PassOutcome::Frame);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].scene, 1);
  EXPECT_EQ(drawn[0].t, SceneClock(0, 30000));
  EXPECT_EQ(drawn[1].t, SceneClock(0, 31000));
  EXPECT_EQ(drawn[2].scene, 2);
  EXPECT_EQ(drawn[2].t, SceneClock(0, 250));
}

TEST(SceneTimeline, AFrozenClockStandsAtItsMomentAndNeverEndsTheScene) {
  RecordingPlatform platform;
  std::uint32_t now = 100;
  platform.ticks = [&] { return now += 20000; };  // 20 s pass between reads
  const std::vector<FrameInput> drawn = Frames(platform, TimelineStart{1, 12000, true}, 5);
  ASSERT_EQ(drawn.size(), 5u);
  for (const FrameInput& frame : drawn) {
    EXPECT_EQ(frame.scene, 1);
    EXPECT_EQ(frame.t, SceneClock(0, 12000));
  }
}

TEST(SceneTimeline, FramesArePacedToTheDisplayAndWaitForMessagesBetween) {
  RecordingPlatform platform;
  std::uint64_t nowUs = 1000;
  platform.nowUs = [&] { return nowUs; };
  FramePacer pacer(50);  // one frame every 20 ms
  std::vector<FrameInput> drawn;
  SceneTimeline timeline(
      platform, platform, [&](const FrameInput& in) { drawn.push_back(in); }, TimelineStart{},
      &pacer);
  // The pacer's first frames come as fast as the passes, its swaps returning at once (no vsync).
  for (int frame = 0; frame < FramePacer::kProbeFrames; ++frame) {
    nowUs += 3000;
    EXPECT_EQ(timeline.Pass(), PassOutcome::Frame);
  }
  nowUs += 4500;  // 15.5 ms early: the pass waits 16 ms (rounded up) for a message instead
  EXPECT_EQ(timeline.Pass(), PassOutcome::Waited);
  EXPECT_EQ(platform.Calls().back(), "WaitForMessage 16");
  // A message that arrives meanwhile is handled at once, without a frame.
  platform.QueueMessage(Message{MessageType::Other, 0});
  EXPECT_EQ(timeline.Pass(), PassOutcome::Message);
  nowUs += 15500;  // the frame is due
  EXPECT_EQ(timeline.Pass(), PassOutcome::Frame);
  EXPECT_EQ(drawn.size(), FramePacer::kProbeFrames + 1u);
  EXPECT_EQ(Count(platform.Calls(), "SwapBuffers"), FramePacer::kProbeFrames + 1);
}

TEST(SceneTimeline, NothingIsDrawnWhileTheWindowIsHidden) {
  RecordingPlatform platform;
  platform.showing = false;
  std::vector<FrameInput> drawn = Frames(platform, TimelineStart{}, 3);
  EXPECT_TRUE(drawn.empty());
  EXPECT_EQ(Count(platform.Calls(), "WaitForMessage 1000"), 3);
  EXPECT_EQ(Count(platform.Calls(), "SwapBuffers"), 0);
  // Messages still come through while hidden: Esc ends the run.
  platform.QueueMessage(kEsc);
  SceneTimeline timeline(
      platform, platform, [](const FrameInput&) {}, TimelineStart{});
  EXPECT_EQ(timeline.Pass(), PassOutcome::Message);
  EXPECT_EQ(timeline.Pass(), PassOutcome::Quit);
  EXPECT_EQ(timeline.ExitCode(), 0);
}

TEST(SceneTimeline, EachFrameReportsItsSceneAndDrawingTime) {
  RecordingPlatform platform;
  std::uint64_t nowUs = 0;
  platform.nowUs = [&] { return nowUs; };
  platform.onSwap = [&](int) { nowUs += 2500; };  // drawing and swapping take 2.5 ms
  std::vector<std::pair<int, double>> times;
  SceneTimeline timeline(
      platform, platform, [](const FrameInput&) {}, TimelineStart{2, 0, false});
  timeline.onFrameTime = [&](int scene, double ms) { times.emplace_back(scene, ms); };
  timeline.Pass();
  timeline.Pass();
  EXPECT_EQ(times, (std::vector<std::pair<int, double>>{{2, 2.5}, {2, 2.5}}));
}

TEST(DemoRun, DrivenAsThePageDrivesItRunsTheSamePassesAsTheNativeLoop) {
  // The native loop: passes back to back until the quit message.
  RecordingPlatform native;
  native.onSwap = [&](int frame) {
    if (frame == 3) native.QueueMessage(kEsc);
  };
  DemoOptions options;
  options.startScene = 2;
  ASSERT_EQ(host::WinMain(native.Parts(FramePacing::ByCaller), options), 0);

  // The page: in each animation frame, passes until one draws a frame or the run ends.
  RecordingPlatform page;
  page.onSwap = [&](int frame) {
    if (frame == 3) page.QueueMessage(kEsc);
  };
  DemoRun run(page.Parts(FramePacing::ByCaller), options);
  ASSERT_TRUE(run.StartUp());
  int animationFrames = 0;
  for (PassOutcome outcome = PassOutcome::Frame; outcome != PassOutcome::Quit;) {
    ++animationFrames;
    do {
      outcome = run.Pass();
    } while (outcome == PassOutcome::Message || outcome == PassOutcome::SceneBegan);
    ASSERT_LT(animationFrames, 100) << "the run did not end";
  }
  EXPECT_EQ(run.ShutDown(), 0);
  EXPECT_EQ(animationFrames, 4);  // three frames, then the one that takes Esc and quits
  EXPECT_EQ(page.Calls(), native.Calls());
}

TEST(DemoRun, TheNativeProgramPacesFramesToTheDisplaysRefreshRate) {
  RecordingPlatform platform;
  platform.refreshRate = 100;  // a frame every 10 ms
  std::uint64_t nowUs = 0;
  platform.nowUs = [&] { return nowUs += 1000; };  // each clock read finds 1 ms passed
  std::vector<std::uint64_t> swaps;
  const int frames = FramePacer::kProbeFrames + 5;
  platform.onSwap = [&](int frame) {
    swaps.push_back(nowUs);
    if (frame == frames) platform.QueueMessage(kEsc);
  };
  ASSERT_EQ(host::WinMain(platform.Parts(FramePacing::ToDisplay), DemoOptions{}), 0);
  ASSERT_EQ(swaps.size(), static_cast<std::size_t>(frames));
  // After the first frames, which find no sign of vsync, one frame every 10 ms.
  for (std::size_t i = FramePacer::kProbeFrames + 1; i < swaps.size(); ++i) {
    EXPECT_EQ(swaps[i] - swaps[i - 1], 10000u) << "frame " << i;
  }
  EXPECT_GT(Count(platform.Calls(), "WaitForMessage 7"), 0);
}
