// One frame of either scene: camera, cubes, text. The demo, the benchmark, the capture tool
// and the tests all draw through this, so a frame depends only on its FrameInput and on how
// cubes and text are sent to the GL (SetCubeDrawing, SetTextDrawing: set once by a program,
// the same pixels either way, which the tests hold one against the other).
#pragma once

#include <string>

#include "cursor_pos.h"
#include "platform/demo_window.h"
#include "screen.h"

// The GL state every frame relies on: the demo font's display lists (from the glyph table made
// at build time), front-face culling and the perspective. Needs a current context.
void PrepareFrameState();

// For programs that draw frames without running the demo (tools, tests): creates the window
// at the given size (the picture's, or a sharp picture's) and its GL context through
// EnableOpenGL, and prepares the frame state as the demo does at start-up. False, with the
// reason in error, when no context could be had.
bool OpenFrameSurface(DemoWindow& window, std::string& error, PictureSize size = PictureSize{});
void CloseFrameSurface(DemoWindow& window);

// Everything a frame depends on, sampled once per frame by whoever drives the drawing.
struct FrameInput {
  int scene = 1;          // 1 .. kSceneCount, in the table of scenes
  float t = 0;            // the scene clock, in units of ten seconds
  CursorPos cursor;       // in picture pixels
  DrawingArea area = {};  // the viewport, and the size the text's glyphs suit
};

void DrawFrame(const FrameInput& input);
