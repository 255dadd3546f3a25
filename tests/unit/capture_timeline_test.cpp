// The video timeline: which scene and clock each frame shows, the length of picture and
// sound, and the scripted cursor path.
#include "capture/capture_timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "host/scene_clock.h"
#include "scenes/orbit_camera.h"

TEST(CaptureTimeline, FramesFallOnTheNearestMillisecondHalvesUp) {
  const CaptureTimeline at30(30);
  EXPECT_EQ(at30.ElapsedMs(0), 0u);
  EXPECT_EQ(at30.ElapsedMs(1), 33u);  // 33.33
  EXPECT_EQ(at30.ElapsedMs(2), 67u);  // 66.67
  EXPECT_EQ(at30.ElapsedMs(3), 100u);
  EXPECT_EQ(at30.ElapsedMs(930), 31000u);
  const CaptureTimeline at16(16);
  EXPECT_EQ(at16.ElapsedMs(1), 63u);  // 62.5
  const CaptureTimeline at240(240);
  EXPECT_EQ(at240.ElapsedMs(1), 4u);   // 4.17
  EXPECT_EQ(at240.ElapsedMs(3), 13u);  // 12.5
  // An hour at the highest rate stays exact.
  EXPECT_EQ(at240.ElapsedMs(240 * 3600), 3600000u);
}

TEST(CaptureTimeline, TheFirstFrameIsSceneOneAtZero) {
  for (int fps : {1, 24, 30, 60, 240}) {
    const FrameMoment first = CaptureTimeline(fps).Moment(0);
    EXPECT_EQ(first.scene, 1) << fps << " fps";
    EXPECT_EQ(first.t, 0.0f) << fps << " fps";
  }
}

TEST(CaptureTimeline, At30FpsThe31SecondFrameIsStillSceneOneAndTheNextStartsSceneTwo) {
  const CaptureTimeline timeline(30);
  const FrameMoment last = timeline.Moment(930);  // 31.000 s
  EXPECT_EQ(last.scene, 1);
  EXPECT_EQ(last.t, 3.1f);
  const FrameMoment next = timeline.Moment(931);  // 31.033 s
  EXPECT_EQ(next.scene, 2);
  EXPECT_EQ(next.t, 0.0f);
  // Scene 2's clock counts from its first frame: 67 - 33 ms later, then ten seconds later.
  EXPECT_EQ(timeline.Moment(932).t, SceneClock(0, 34));
  EXPECT_EQ(timeline.Moment(931 + 300).scene, 2);
  EXPECT_EQ(timeline.Moment(931 + 300).t, 1.0f);
}

TEST(CaptureTimeline, SceneTwoBeginsAtTheFirstFramePast31000MsAtEveryRate) {
  for (int fps : {1, 7, 24, 25, 30, 50, 60, 144, 240}) {
    const CaptureTimeline timeline(fps);
    const std::int64_t first = timeline.FirstSceneTwoFrame();
    ASSERT_GT(first, 0);
    // The demo draws scene 1 up to 31,000 ms and ends it at 31,001 ms or later.
    EXPECT_LE(timeline.ElapsedMs(first - 1), 31000u) << fps << " fps";
    EXPECT_GT(timeline.ElapsedMs(first), 31000u) << fps << " fps";
    EXPECT_EQ(timeline.Moment(first - 1).scene, 1) << fps << " fps";
    EXPECT_EQ(timeline.Moment(first).scene, 2) << fps << " fps";
    EXPECT_EQ(timeline.Moment(first).t, 0.0f) << fps << " fps";
    // Within each scene the clock never runs backwards.
    for (std::int64_t frame = 1; frame < first + 5 * fps; ++frame) {
      if (frame == first) continue;
      ASSERT_GE(timeline.Moment(frame).t, timeline.Moment(frame - 1).t)
          << fps << " fps, frame " << frame;
    }
  }
}

TEST(CaptureTimeline, PictureAndSoundLastTheSameTime) {
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
  const CaptureTimeline timeline(60);
  double turned = 0;
  for (std::int64_t frame = 1; frame <= 60 * 40; ++frame) {
    const CursorPos before = OrbitCursor(timeline.ElapsedMs(frame - 1));
    const CursorPos after = OrbitCursor(timeline.ElapsedMs(frame));
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
