// The demo font for a sharp picture: the glyph table drawn at the size nearest the picture's
// scale, its advances set so that a line keeps its length relative to the picture.
#pragma once

#include <vector>

#include "glyphs.h"

struct FontAtScale {
  int multiple = 1;        // of the font's em: the table used (DemoFontGlyphs(multiple))
  float advanceScale = 1;  // scale / multiple: how the table's advances are stretched
};

// For a picture drawn `scale` times its 800 x 600 size: the table nearest the scale (ties to
// the larger), 1 below it and kFontMultiples above. Scale 1 gives the faithful font as it is.
FontAtScale FontForScale(float scale);

// That table's glyphs, each advance multiplied by advanceScale.
std::vector<GlyphBitmap> DemoFontGlyphsAtScale(float scale);
