// Drawing frames offscreen through the demo's own frame path and reading them back.
#include "capture_surface.h"

#include <GL/gl.h>

#include <algorithm>

#include "screen.h"

void ReadFrame(RgbPicture& picture) {
  constexpr std::ptrdiff_t kRowBytes = std::ptrdiff_t{gResX} * 3;
  picture.resize(static_cast<std::size_t>(kRowBytes * gResY));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, gResX, gResY, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
  // GL's rows run from the bottom; pictures and video frames run from the top.
  for (int row = 0; row < gResY / 2; ++row) {
    const auto top = picture.begin() + row * kRowBytes;
    std::swap_ranges(top, top + kRowBytes, picture.begin() + (gResY - 1 - row) * kRowBytes);
  }
}

void CaptureFrame(OffscreenWindow& window, const FrameInput& input, RgbPicture& picture) {
  DrawFrame(input);
  ReadFrame(picture);
  window.SwapBuffers();
}
