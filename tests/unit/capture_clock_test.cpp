// The capture's clock driving the demo's loop: which scene, clock and cursor each video frame
// shows, the length of picture and sound, and the scripted cursor path.
#include "capture/capture_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "host/scene_clock.h"
#include "host/scene_timeline.h"
#include "scenes/orbit_camera.h"
#include "support/recording_platform.h"

namespace {

// What the demo's loop draws, frame by frame, when a capture of frames frames drives it.
std::vector<FrameInput> CapturedFrames(int fps, std::int64_t frames, bool orbit) {
  CaptureClock clock(fps, orbit, frames);
  RecordingPlatform window;
  window.onSwap = [&](int) { clock.FrameDone(true); };
  std::vector<FrameInput> drawn;
  RunScenes(window, clock, [&](const FrameInput& input) { drawn.push_back(input); });
  return drawn;
}

}  // namespace

TEST(CaptureClock, FramesFallOnTheNearestMillisecondHalvesUp) {
  EXPECT_EQ(FrameElapsedMs(0, 30), 0u);
  EXPECT_EQ(FrameElapsedMs(1, 30), 33u);  // 33.33
  EXPECT_EQ(FrameElapsedMs(2, 30), 67u);  // 66.67
  EXPECT_EQ(FrameElapsedMs(3, 30), 100u);
  EXPECT_EQ(FrameElapsedMs(930, 30), 31000u);
  EXPECT_EQ(FrameElapsedMs(1, 16), 63u);   // 62.5
  EXPECT_EQ(FrameElapsedMs(1, 240), 4u);   // 4.17
  EXPECT_EQ(FrameElapsedMs(3, 240), 13u);  // 12.5
  // An hour at the highest rate stays exact.
  EXPECT_EQ(FrameElapsedMs(240 * 3600, 240), 3600000u);
}

TEST(CaptureClock, TheLoopDrawsEachFrameOnceWithTheCursorOfItsMoment) {
  const std::vector<FrameInput> still = CapturedFrames(30, 10, false);
  ASSERT_EQ(still.size(), 10u);
  EXPECT_EQ(still[0].scene, 1);
  EXPECT_EQ(still[0].t, 0.0f);
  EXPECT_EQ(still[9].t, SceneClock(0, FrameElapsedMs(9, 30)));
  for (const FrameInput& frame : still) {
    EXPECT_EQ(frame.cursor.x, 400);
    EXPECT_EQ(frame.cursor.y, 300);
  }
  const std::vector<FrameInput> orbit = CapturedFrames(24, 50, true);
  ASSERT_EQ(orbit.size(), 50u);
  for (std::int64_t frame = 0; frame < 50; ++frame) {
    const CursorPos expected = OrbitCursor(FrameElapsedMs(frame, 24));
    EXPECT_EQ(orbit[frame].cursor.x, expected.x) << "frame " << frame;
    EXPECT_EQ(orbit[frame].cursor.y, expected.y) << "frame " << frame;
  }
  EXPECT_TRUE(CapturedFrames(30, 0, false).empty());
}

TEST(CaptureClock, At30FpsThe31SecondFrameIsStillSceneOneAndTheNextStartsSceneTwo) {
  const std::vector<FrameInput> frames = CapturedFrames(30, 931 + 301, false);
  ASSERT_EQ(frames.size(), 931u + 301u);
  EXPECT_EQ(frames[930].scene, 1);  // 31.000 s
  EXPECT_EQ(frames[930].t, 3.1f);
  EXPECT_EQ(frames[931].scene, 2);  // 31.033 s
  EXPECT_EQ(frames[931].t, 0.0f);
  // Scene 2's clock counts from its first frame: 67 - 33 ms later, then ten seconds later.
  EXPECT_EQ(frames[932].t, SceneClock(0, 34));
  EXPECT_EQ(frames[931 + 300].scene, 2);
  EXPECT_EQ(frames[931 + 300].t, 1.0f);
}

TEST(CaptureClock, SceneTwoBeginsAtTheFirstFramePast31000MsAtEveryRate) {
  for (int fps : {1, 7, 24, 25, 30, 50, 60, 144, 240}) {
    const std::vector<FrameInput> frames = CapturedFrames(fps, 36 * fps, false);
    ASSERT_EQ(frames.size(), 36u * fps);
    const auto first = std::find_if(frames.begin(), frames.end(),
                                    [](const FrameInput& frame) { return frame.scene == 2; }) -
                       frames.begin();
    ASSERT_GT(first, 0) << fps << " fps";
    ASSERT_LT(first, 36 * fps) << fps << " fps";
    // The demo draws scene 1 up to 31,000 ms and ends it at 31,001 ms or later.
    EXPECT_LE(FrameElapsedMs(first - 1, fps), 31000u) << fps << " fps";
    EXPECT_GT(FrameElapsedMs(first, fps), 31000u) << fps << " fps";
    EXPECT_EQ(frames[first].t, 0.0f) << fps << " fps";
    // Within each scene the clock never runs backwards, and no scene comes back.
    for (std::int64_t frame = 1; frame < 36 * fps; ++frame) {
      if (frame == first) continue;
      ASSERT_EQ(frames[frame].scene, frames[frame - 1].scene) << fps << " fps, frame " << frame;
      ASSERT_GE(frames[frame].t, frames[frame - 1].t) << fps << " fps, frame " << frame;
    }
  }
}

TEST(CaptureClock, PictureAndSoundLastTheSameTime) {
  EXPECT_EQ(VideoFrameCount(2, 30), 60);
  EXPECT_EQ(VideoFrameCount(75, 60), 4500);
  EXPECT_EQ(VideoFrameCount(0.5, 25), 13);  // 12.5 frames round up
  EXPECT_EQ(VideoFrameCount(0.01, 30), 0);
  EXPECT_EQ(AudioFrameCount(60, 30, 44100), 88200);
  EXPECT_EQ(AudioFrameCount(4500, 60, 44100), 3307500);
  EXPECT_EQ(AudioFrameCount(1, 60, 44100), 735);
  EXPECT_EQ(AudioFrameCount(1, 144, 44100), 306);  // 306.25
  EXPECT_EQ(AudioFrameCount(1, 7, 44100), 6300);
}

namespace {

// The camera's angle around the vertical axis for a cursor, as the orbit camera derives it.
double CameraAngle(CursorPos cursor) {
  const Eye eye = OrbitEye(CameraPath::Orbit, ComputeMouseOffset(cursor), 0);
  return std::atan2(eye.x, eye.z);
}

// The smallest turn from angle a to angle b.
double Turn(double a, double b) {
  constexpr double kPi = 3.14159265358979;
  double turn = std::fmod(b - a, 2 * kPi);
  if (turn > kPi) turn -= 2 * kPi;
  if (turn < -kPi) turn += 2 * kPi;
  return turn;
}

}  // namespace

TEST(OrbitCursor, StartsAtTheCentreAndStaysInsideThePicture) {
  EXPECT_EQ(OrbitCursor(0).x, 400);
  EXPECT_EQ(OrbitCursor(0).y, 300);
  for (std::uint32_t ms = 0; ms <= 3600000; ms += 7) {
    const CursorPos cursor = OrbitCursor(ms);
    ASSERT_TRUE(cursor.x >= 0 && cursor.x < 800 && cursor.y >= 0 && cursor.y < 600)
        << ms << " ms: " << cursor.x << ", " << cursor.y;
  }
}

TEST(OrbitCursor, TurnsTheCameraSmoothlyOnceAroundEvery40Seconds) {
  double turned = 0;
  for (std::int64_t frame = 1; frame <= 60 * 40; ++frame) {
    const CursorPos before = OrbitCursor(FrameElapsedMs(frame - 1, 60));
    const CursorPos after = OrbitCursor(FrameElapsedMs(frame, 60));
    const double turn = Turn(CameraAngle(before), CameraAngle(after));
    // One pixel of cursor is 2 pi / 800 of a turn; the wrap from the right edge to the left
    // one must be no bigger a step than any other.
    ASSERT_GE(turn, 0) << "frame " << frame;
    ASSERT_LT(turn, 0.008) << "frame " << frame;
    ASSERT_LE(std::abs(after.y - before.y), 1) << "frame " << frame;
    turned += turn;
  }
  EXPECT_NEAR(turned, 2 * 3.14159265358979, 0.01);
  EXPECT_EQ(OrbitCursor(40000).x, 400);
}

TEST(OrbitCursor, RaisesAndLowersTheEye) {
  int lowest = 300;
  int highest = 300;
  for (std::uint32_t ms = 0; ms < 30000; ms += 100) {
    lowest = std::min(lowest, OrbitCursor(ms).y);
    highest = std::max(highest, OrbitCursor(ms).y);
  }
  EXPECT_LT(lowest, 200);
  EXPECT_GT(highest, 400);
}
