// One glyph of the bitmap font as glBitmap takes it.
#pragma once

#include <cstdint>
#include <vector>

// Rows of a GlyphBitmap are packed to whole bytes with no further padding, so they are
// unpacked with this GL_UNPACK_ALIGNMENT.
inline constexpr int kGlyphRowAlignment = 1;

// A glyph ready for glBitmap: the ink box as rows of 1-bit pixels from the bottom row up, each
// (width + 7) / 8 bytes with the leftmost pixel in the high bit, and the offsets that put the
// glyph's baseline on the raster position. A glyph without ink is 0 x 0 with no rows.
struct GlyphBitmap {
  int width = 0;
  int height = 0;
  float originX = 0;  // glBitmap's xorig: how far the ink box starts left of the pen
  float originY = 0;  // glBitmap's yorig: how many ink rows lie below the baseline
  float advance = 0;  // how far the pen moves right after the glyph
  std::vector<std::uint8_t> rows;
};
