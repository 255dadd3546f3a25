// The offscreen picture the capture draws into, set up as the demo sets up its window, and
// read back frame by frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "capture_timeline.h"
#include "platform/scripted_platform.h"

// An 800 x 600 picture as rows from the top, 3 bytes (R, G, B) per pixel.
using RgbPicture = std::vector<std::uint8_t>;

// Creates the offscreen window and its GL context through EnableOpenGL and prepares the frame
// state as the demo does at start-up. False (with the reason in error) when no context could
// be had.
bool OpenCaptureSurface(ScriptedPlatform& platform, std::string& error);
void CloseCaptureSurface(ScriptedPlatform& platform);

// Draws one frame through DrawFrame with the cursor at cursor, reads it into picture before
// the swap, then swaps as the demo does after every frame.
void CaptureFrame(ScriptedPlatform& platform, const FrameMoment& moment, CursorPos cursor,
                  RgbPicture& picture);
