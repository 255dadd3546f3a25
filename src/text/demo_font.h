// The demo's font: which face at what size, and its glyphs as compiled into the demo.
#pragma once

#include <vector>

#include "glyphs.h"

// Bold "Helvetica" at a 36-pixel em (fontconfig substitutes a metric twin where Helvetica
// itself is not installed). tools/glyph_table rasterises it at build time, so every build
// draws the same glyphs whatever fonts a machine has.
inline constexpr FontChoice kDemoFont{"Helvetica", FontWeight::Bold, 36};

// The sharp picture draws its text from tables at whole multiples of kDemoFont's em, 1 to
// kFontMultiples (36, 72, 108 and 144 pixels): the one nearest the picture's scale.
inline constexpr int kFontMultiples = 4;

// The glyph table generated from kDemoFont at `multiple` times its em (1 .. kFontMultiples;
// 1, the faithful picture's, for anything else): codes 32..127, index code - 32.
const std::vector<GlyphBitmap>& DemoFontGlyphs(int multiple = 1);
