// One 1-bit glyph repacked from a rasteriser's top-down rows into glBitmap's bottom-up rows.
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

// A 1-bit glyph as a rasteriser hands it over: rows from the top, pitch bytes apart (negative
// when the rows run upwards in memory), leftmost pixel in the high bit; bits past the width are
// padding.
struct MonoGlyphImage {
  const std::uint8_t* topRow = nullptr;
  int pitch = 0;
  int width = 0;
  int height = 0;
  int left = 0;  // from the pen to the leftmost column, in pixels
  int top = 0;   // from the baseline up to the top row, in pixels
  float advance = 0;
};

// Flips the rows, drops the rasteriser's row padding and clears padding bits. An image that
// has no pixel set becomes a glyph without ink that only advances.
GlyphBitmap RepackMonoGlyph(const MonoGlyphImage& image);
