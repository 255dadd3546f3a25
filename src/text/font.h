// The bitmap font in display lists, and printf-style text at the raster position.
#pragma once

#include <vector>

#include "glyph_bitmap.h"

// Builds the demo's font (the glyph table made at build time from the face in font_choice.h)
// into 96 display lists, one per code 32..127. Needs a current GL context.
void BuildFont();

// Compiles the given glyphs for codes 32..127 (index code - 32) into fresh display lists and
// makes them the font glPrint uses. Anything but exactly 96 glyphs leaves no font.
void BuildFontFrom(const std::vector<GlyphBitmap>& glyphs);

// Formats like printf into a 256-character buffer, cutting what does not fit, and draws the
// text at the current raster position in the current raster colour, advancing it.
void glPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
