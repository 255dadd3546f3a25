// Drawing frames offscreen through the demo's own frame path and reading them back.
#include "capture_surface.h"

#include "platform/offscreen/picture_readback.h"
#include "screen.h"

void CaptureFrame(OffscreenWindow& window, const FrameInput& input, RgbPicture& picture) {
  DrawFrame(input);
  ReadPictureRows(gResX, gResY, picture);
  window.SwapBuffers();
}
