// The capture's clock, its frame and sample counts, and the scripted cursor path.
#include "capture_clock.h"

#include <cmath>

#include "screen.h"

std::uint32_t FrameElapsedMs(std::int64_t frame, int fps) {
  return static_cast<std::uint32_t>((frame * 2000 + fps) / (2 * std::int64_t{fps}));
}

CaptureClock::CaptureClock(int fps, bool orbit, std::int64_t frames)
    : fps_(fps), orbit_(orbit), frames_(frames), stop_(frames < 1) {}

void CaptureClock::FrameDone(bool more) {
  ++frame_;
  if (!more || frame_ >= frames_) stop_ = true;
}

CursorPos CaptureClock::GetCursorPos() const {
  if (!orbit_) return CursorPos{gResX / 2, gResY / 2};
  return OrbitCursor(FrameElapsedMs(frame_, fps_));
}

bool CaptureClock::PeekMessage(Message& message) {
  if (!stop_) return false;
  stop_ = false;  // the loop ends on this message; it is delivered once
  message = Message{MessageType::Quit, 0};
  return true;
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
