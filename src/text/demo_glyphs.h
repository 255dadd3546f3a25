// The demo font's glyph table, generated at build time by tools/glyph_table.
#pragma once

#include <vector>

#include "glyph_bitmap.h"

// Glyphs for codes 32..127 (index code - 32) of the font named in font_choice.h.
const std::vector<GlyphBitmap>& DemoFontGlyphs();
