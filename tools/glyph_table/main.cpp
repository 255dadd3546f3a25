// make_glyph_table OUT.cpp: rasterises the demo's font (text/demo_font.h) with fontconfig and
// FreeType, at its em and at each whole multiple of it up to kFontMultiples, and writes the
// tables as C++ source defining DemoFontGlyphs(multiple), so the demo carries its glyphs and
// draws the same text on every machine and system.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "font_glyphs.h"
#include "glyph_source.h"
#include "text/demo_font.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_glyph_table OUT.cpp\n");
    return 2;
  }
  const FontFace face = MatchFace(kDemoFont.family, kDemoFont.weight);
  std::vector<std::vector<GlyphBitmap>> tables;
  for (int multiple = 1; multiple <= kFontMultiples; ++multiple) {
    tables.push_back(RasteriseGlyphs(face, multiple * kDemoFont.pixelEm));
    if (tables.back().size() != static_cast<std::size_t>(kGlyphCount)) {
      std::fprintf(stderr, "make_glyph_table: no usable \"%s\" font (fontconfig offered '%s')\n",
                   kDemoFont.family, face.file.c_str());
      return 1;
    }
  }
  const std::string source = GlyphTableSource(tables, face.file);
  std::ofstream out(argv[1], std::ios::binary);
  out << source;
  out.close();
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
