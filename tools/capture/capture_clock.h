// The clock, cursor and messages the demo's own loop runs on during a video capture: time
// stands still while a frame is drawn and moves on by one video frame when it is swapped.
#pragma once

#include <cstdint>

#include "platform/clock_and_input.h"

// Frame i of a video at fps frames per second is drawn when the demo's millisecond tick
// counter reads round(i * 1000 / fps) (halves up) after start-up.
std::uint32_t FrameElapsedMs(std::int64_t frame, int fps);

// Driving the timeline's passes (RunScenes), this clock makes the loop draw frame 0, 1, 2, ... at
// their ticks, so the video steps through the scenes exactly as the demo does. Once the last frame
// is swapped (or FrameDone is told to stop) the next message is the quit message.
class CaptureClock final : public ClockAndInput {
 public:
  // With orbit the cursor follows OrbitCursor, else it rests at the picture's centre.
  CaptureClock(int fps, bool orbit, std::int64_t frames);

  // The frame being drawn: how many have been swapped so far.
  std::int64_t Frame() const { return frame_; }
  // Called after each frame is drawn; more = false ends the capture there.
  void FrameDone(bool more);

  std::uint32_t GetTickCount() override { return FrameElapsedMs(frame_, fps_); }
  std::uint64_t NowUs() override { return std::uint64_t{GetTickCount()} * 1000; }
  // Nothing to wait for: time moves with the frames.
  void Sleep(std::uint32_t) override {}
  void WaitForMessage(std::uint32_t) override {}
  CursorPos GetCursorPos() const override;
  bool PeekMessage(Message& message) override;
  void PostQuitMessage(int) override { stop_ = true; }
  long DefWindowProc(const Message&) override { return 0; }

 private:
  int fps_;
  bool orbit_;
  std::int64_t frames_;
  std::int64_t frame_ = 0;
  bool stop_;
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
