// Pixel read-back with GL's bottom-up rows turned top-down.
#include "picture_readback.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>

void ReadPictureRows(int width, int height, std::vector<std::uint8_t>& rows) {
  const std::ptrdiff_t rowBytes = std::ptrdiff_t{width} * 3;
  rows.resize(static_cast<std::size_t>(rowBytes * height));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
  for (int row = 0; row < height / 2; ++row) {
    const auto top = rows.begin() + row * rowBytes;
    std::swap_ranges(top, top + rowBytes, rows.begin() + (height - 1 - row) * rowBytes);
  }
}
