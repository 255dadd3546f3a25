// Repacking of 1-bit glyph images into glBitmap rows.
#include "mono_glyph.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

int RowBytes(int width) { return (width + 7) / 8; }

// The bits of a row's last byte that belong to the image; the rest is padding.
std::uint8_t LastByteMask(int width) {
  const int usedBits = width % 8;
  return usedBits == 0 ? 0xFF : static_cast<std::uint8_t>(0xFF << (8 - usedBits));
}

}  // namespace

GlyphBitmap RepackMonoGlyph(const MonoGlyphImage& image) {
  GlyphBitmap glyph;
  glyph.advance = image.advance;
  if (image.width <= 0 || image.height <= 0 || image.topRow == nullptr) return glyph;

  const int rowBytes = RowBytes(image.width);
  const std::uint8_t lastMask = LastByteMask(image.width);
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(rowBytes) * image.height);
  for (int fromTop = 0; fromTop < image.height; ++fromTop) {
    const std::uint8_t* source = image.topRow + static_cast<std::ptrdiff_t>(fromTop) * image.pitch;
    std::uint8_t* target =
        rows.data() + static_cast<std::size_t>(image.height - 1 - fromTop) * rowBytes;
    std::copy_n(source, rowBytes, target);
    target[rowBytes - 1] &= lastMask;
  }
  const bool hasInk = std::any_of(rows.begin(), rows.end(), [](std::uint8_t b) { return b != 0; });
  if (!hasInk) return glyph;

  glyph.width = image.width;
  glyph.height = image.height;
  glyph.originX = static_cast<float>(-image.left);
  glyph.originY = static_cast<float>(image.height - image.top);
  glyph.rows = std::move(rows);
  return glyph;
}
