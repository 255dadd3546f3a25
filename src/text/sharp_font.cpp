// Choosing and stretching the glyph table for a picture's scale.
#include "sharp_font.h"

#include <algorithm>
#include <cmath>

#include "demo_font.h"

FontAtScale FontForScale(float scale) {
  FontAtScale font;
  // NaN and anything below 1 get the faithful table.
  if (!(scale > 1)) return font;
  font.multiple = static_cast<int>(std::min(std::lround(scale), static_cast<long>(kFontMultiples)));
  font.advanceScale = scale / static_cast<float>(font.multiple);
  return font;
}

std::vector<GlyphBitmap> DemoFontGlyphsAtScale(float scale) {
  const FontAtScale font = FontForScale(scale);
  std::vector<GlyphBitmap> glyphs = DemoFontGlyphs(font.multiple);
  if (font.advanceScale != 1) {
    for (GlyphBitmap& glyph : glyphs) glyph.advance *= font.advanceScale;
  }
  return glyphs;
}
