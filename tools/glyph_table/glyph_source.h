// Writing a glyph table as C++ source that rebuilds the same glyphs bit for bit.
#pragma once

#include <string>
#include <vector>

#include "glyphs.h"

// A C++ source file defining DemoFontGlyphs(multiple) (text/demo_font.h) to return
// tables[multiple - 1], and tables[0] for a multiple out of range; fontFile is named in its
// heading comment.
std::string GlyphTableSource(const std::vector<std::vector<GlyphBitmap>>& tables,
                             const std::string& fontFile);
