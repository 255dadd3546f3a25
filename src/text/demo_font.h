// The demo's font: which face at what size, and its glyphs as compiled into the demo.
#pragma once

#include <vector>

#include "glyphs.h"

// Bold "Helvetica" at a 36-pixel em (fontconfig substitutes a metric twin where Helvetica
// itself is not installed). tools/glyph_table rasterises it at build time, so every build
// draws the same glyphs whatever fonts a machine has.
inline constexpr FontChoice kDemoFont{"Helvetica", FontWeight::Bold, 36};

// The glyph table generated from kDemoFont: codes 32..127, index code - 32.
const std::vector<GlyphBitmap>& DemoFontGlyphs();
