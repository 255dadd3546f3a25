// Rasterising a font for the glyph table: a face found through fontconfig, rendered to 1-bit
// glyphs for the character codes 32..127 by FreeType.
#pragma once

#include <string>
#include <vector>

#include "glyphs.h"

// A face inside a font file (collections hold several).
struct FontFace {
  std::string file;
  int index = 0;
};

// The upright face fontconfig picks for the family and weight; where no font of that family
// is installed fontconfig substitutes another. An empty file when nothing matches at all.
FontFace MatchFace(const char* family, FontWeight weight);

// Glyphs for codes 32..127 (index code - 32) at the given em size in pixels. Empty when the
// file cannot be read as a font.
std::vector<GlyphBitmap> RasteriseGlyphs(const FontFace& face, int pixelEm);
