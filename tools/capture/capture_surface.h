// Frames drawn offscreen through the demo's own frame path and read back one by one.
#pragma once

#include <cstdint>
#include <vector>

#include "host/frame.h"
#include "platform/offscreen/offscreen_window.h"

// A picture (800 x 600, or a sharp one's size) as rows from the top, 3 bytes (R, G, B) per
// pixel.
using RgbPicture = std::vector<std::uint8_t>;

// Draws one frame through DrawFrame, reads it into picture before the swap, then swaps as
// the demo does after every frame.
void CaptureFrame(OffscreenWindow& window, const FrameInput& input, RgbPicture& picture);
