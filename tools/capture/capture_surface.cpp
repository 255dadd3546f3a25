// Drawing frames offscreen through the demo's own frame path and reading them back.
#include "capture_surface.h"

#include "platform/offscreen/picture_readback.h"

void CaptureFrame(OffscreenWindow& window, const FrameInput& input, RgbPicture& picture) {
  DrawFrame(input);
  ReadPictureRows(input.area.size.width, input.area.size.height, picture);
  window.SwapBuffers();
}
