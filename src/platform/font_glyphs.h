// The demo's bitmap font: a bold face found through fontconfig, rasterised to 1-bit glyphs
// for the character codes 32..127 by FreeType.
#pragma once

#include <string>
#include <vector>

#include "mono_glyph.h"

inline constexpr int kFirstGlyphCode = 32;
inline constexpr int kGlyphCount = 96;  // codes 32..127

// A face inside a font file (collections hold several).
struct FontFace {
  std::string file;
  int index = 0;
};

// The upright bold face fontconfig picks for the family; where no font of that family is
// installed fontconfig substitutes another. An empty file when nothing matches at all.
FontFace MatchBoldFace(const char* family);

// Glyphs for codes 32..127 (index code - 32) at the given em size in pixels. Empty when the
// file cannot be read as a font.
std::vector<GlyphBitmap> RasteriseGlyphs(const FontFace& face, int pixelEm);

// The demo's font: "Helvetica" bold at a 36-pixel em. Empty when no usable font is found.
std::vector<GlyphBitmap> LoadDemoFontGlyphs();
