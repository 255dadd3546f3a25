// Capturing the demo as a video: frames drawn offscreen along the demo's timeline, piped to
// ffmpeg together with the offline-rendered soundtrack, muxed into an H.264 + AAC MP4.
#pragma once

#include <cstdint>
#include <functional>

#include "capture_options.h"
#include "capture_surface.h"

// Receives frame number and picture; returns false to stop the capture.
using FrameSink = std::function<bool(std::int64_t frame, const RgbPicture& picture)>;

// Draws frames 0 .. frames - 1 at fps on an open capture surface by running the demo's loop
// on a CaptureClock, so the frames step through the scenes as the demo does, with the cursor
// at the centre or, with orbit, on the orbit path. Returns how many frames the sink accepted.
std::int64_t RenderVideoFrames(OffscreenWindow& window, std::int64_t frames, int fps, bool orbit,
                               const FrameSink& sink);

// The whole video capture for the options; returns the exit status (see report.h).
int RunVideoCapture(const CaptureOptions& options);
