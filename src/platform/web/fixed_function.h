// The part of OpenGL 1.1 and GLU the demo draws with, over WebGL: matrix stacks, triangle
// strips in immediate mode, colours, the raster position and glyph display lists of glBitmap.
// Vertices are transformed on the CPU in Mesa's float order and drawn once per frame.
// It has no vertex arrays: glEnableClientState stops the page.
#pragma once

// Sets the layer up on the current WebGL context, with the GL's initial state.
bool StartFixedFunction();
// Draws what the frame has sent so far; called before the buffers are shown.
void FlushFixedFunction();
// Frees the layer's WebGL objects; the context must still be current.
void StopFixedFunction();
