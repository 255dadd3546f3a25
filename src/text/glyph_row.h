// A line of text composed into one bitmap, so that one glBitmap draws what one glBitmap per
// glyph would.
#pragma once

#include <cstdint>
#include <vector>

#include "glyphs.h"

// A bitmap for glBitmap: rows from the bottom up, (width + 7) / 8 bytes each, leftmost pixel
// in the high bit, placed with its lower-left pixel at window pixel (left, bottom).
struct RowBitmap {
  int left = 0;
  int bottom = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rows;
  float endX = 0;  // the raster x after the last glyph's advance
};

// Composes the glyphs of text (codes 32..127, index code - 32; other codes are skipped as an
// undefined display list would be) for a pen starting at raster position (x, y). Each glyph
// lands on the pixel the GL's glBitmap puts it on, floor(pen + 0.0001 - origin) in float, and
// the pen advances by float additions as the GL's raster position does. Ink of overlapping
// glyphs is merged. A text without ink gives a 0 x 0 bitmap.
RowBitmap ComposeRow(const std::vector<GlyphBitmap>& glyphs, const char* text, int length, float x,
                     float y);
