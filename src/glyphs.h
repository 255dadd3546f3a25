// Glyphs as the build-time rasteriser (tools/glyph_table) hands them to the text code: the
// font asked for, and 1-bit glyph bitmaps ready for glBitmap.
#pragma once

#include <cstdint>
#include <vector>

enum class FontWeight { Regular, Bold };

// Which font to rasterise: an upright face of the family at the weight, pixelEm pixels to
// the em.
struct FontChoice {
  const char* family;
  FontWeight weight;
  int pixelEm;
};

inline constexpr int kFirstGlyphCode = 32;
inline constexpr int kGlyphCount = 96;  // codes 32..127

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
