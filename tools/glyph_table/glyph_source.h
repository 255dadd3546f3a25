// Writing a glyph table as C++ source that rebuilds the same glyphs bit for bit.
#pragma once

#include <string>
#include <vector>

#include "glyphs.h"

// A C++ source file defining DemoFontGlyphs() (text/demo_font.h) to return these glyphs;
// fontFile is named in its heading comment.
std::string GlyphTableSource(const std::vector<GlyphBitmap>& glyphs, const std::string& fontFile);
