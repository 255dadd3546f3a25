// Which scene, scene clock and cursor each video frame shows: the demo's timeline sampled at
// a fixed frame rate.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct FrameMoment {
  int scene = 1;
  float t = 0;
};

// Frame i of a video at fps frames per second is the moment the demo's millisecond tick
// counter reads round(i * 1000 / fps) (halves up) after start-up. Scene 1's clock runs from
// 0; the first frame whose scene-1 clock is past 3.1 is scene 2's first frame, shown at
// t = 0, and scene 2's clock counts from that frame's tick.
class CaptureTimeline {
 public:
  explicit CaptureTimeline(int fps);

  std::uint32_t ElapsedMs(std::int64_t frame) const;
  FrameMoment Moment(std::int64_t frame) const;
  std::int64_t FirstSceneTwoFrame() const { return firstSceneTwoFrame_; }

 private:
  int fps_;
  std::int64_t firstSceneTwoFrame_;
};

// Frames in a video of the given length: seconds * fps, rounded to the nearest frame.
std::int64_t VideoFrameCount(double seconds, int fps);

// Sound sample frames that last exactly as long as frames video frames:
// frames * sampleRate / fps, rounded to the nearest sample.
std::int64_t AudioFrameCount(std::int64_t frames, int fps, int sampleRate);

// The cursor of the --orbit path at a moment of the video: it starts at the picture centre
// and drifts right at 20 pixels a second, wrapping from the right edge to the left one (the
// camera angle goes on smoothly across the wrap, so the camera orbits once every 40 seconds),
// while it swings gently up and down. Without --orbit the cursor rests at the centre.
CursorPos OrbitCursor(std::uint32_t elapsedMs);
