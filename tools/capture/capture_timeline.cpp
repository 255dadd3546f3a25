// The capture's frame timeline and the scripted cursor path.
#include "capture_timeline.h"

#include <cmath>

#include "host/scene_clock.h"
#include "scenes/scene_table.h"
#include "screen.h"

CaptureTimeline::CaptureTimeline(int fps) : fps_(fps), firstSceneTwoFrame_(0) {
  // The clock only grows with the frame number, so the first frame past 3.1 is found by
  // walking forward once (about 31 * fps steps).
  while (!SceneIsOver(SceneNumber(1), SceneClock(0, ElapsedMs(firstSceneTwoFrame_))))
    ++firstSceneTwoFrame_;
}

std::uint32_t CaptureTimeline::ElapsedMs(std::int64_t frame) const {
  return static_cast<std::uint32_t>((frame * 2000 + fps_) / (2 * std::int64_t{fps_}));
}

FrameMoment CaptureTimeline::Moment(std::int64_t frame) const {
  const std::uint32_t now = ElapsedMs(frame);
  if (frame < firstSceneTwoFrame_) return FrameMoment{1, SceneClock(0, now)};
  return FrameMoment{2, SceneClock(ElapsedMs(firstSceneTwoFrame_), now)};
}

std::int64_t VideoFrameCount(double seconds, int fps) { return std::llround(seconds * fps); }

std::int64_t AudioFrameCount(std::int64_t frames, int fps, int sampleRate) {
  return (frames * sampleRate * 2 + fps) / (2 * std::int64_t{fps});
}

CursorPos OrbitCursor(std::uint32_t elapsedMs) {
  constexpr std::int64_t kPixelsPerSecond = 20;
  constexpr double kSwingPixels = 120;
  constexpr double kSwingPeriodMs = 27000;
  const std::int64_t travelled = (std::int64_t{elapsedMs} * kPixelsPerSecond + 500) / 1000;
  const int x = static_cast<int>((gResX / 2 + travelled) % gResX);
  const double swing = std::sin(2 * 3.14159265358979 * elapsedMs / kSwingPeriodMs);
  const int y = gResY / 2 + static_cast<int>(std::lround(kSwingPixels * swing));
  return CursorPos{x, y};
}
