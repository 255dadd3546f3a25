// The demo's window in a web page: the page's canvas with a WebGL context, and the browser's
// clock and events; the GL 1.1 the demo draws with is the page's own layer over WebGL.
#pragma once

#include <memory>

#include "platform/picture_target.h"
#include "platform/platform.h"

// Scaled: the canvas keeps the picture's size in pixels and the page scales it with CSS.
// Sharp: the canvas's pixels follow its displayed size in device pixels (FitWebCanvasToDisplay)
// and each frame is drawn at that size. The browser paces the frames, so nothing here waits;
// GetCursorPos is where the page last saw the pointer over the picture, in the 800 x 600
// picture's pixels either way (it follows the pointer all along, so the position is known
// before the first move over the picture).
std::unique_ptr<SystemWindow> CreateWebCanvas(PictureDrawing drawing);

// With sharp drawing, sizes the open canvas's pixels to the 4:3 area of its displayed size
// times the device pixel ratio (as far as the browser's WebGL allows), so that the frames
// after it are drawn at that size; resizes, full screen and another pixel ratio (zoom, another
// monitor) are followed from the next call. Called at the start of each animation frame, so
// the canvas is never cleared between a frame and its showing. Does nothing otherwise.
void FitWebCanvasToDisplay();
