// One 1-bit glyph repacked from a rasteriser's top-down rows into glBitmap's bottom-up rows.
#pragma once

#include <cstdint>

#include "glyphs.h"

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
