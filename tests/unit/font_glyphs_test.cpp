// The demo font from the installed fonts: matching, rasterising and unreadable files.
#include "platform/font_glyphs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "text/demo_font.h"

namespace {

const GlyphBitmap& Glyph(const std::vector<GlyphBitmap>& glyphs, char code) {
  return glyphs.at(static_cast<unsigned char>(code) - kFirstGlyphCode);
}

}  // namespace

TEST(FontGlyphs, HelveticaBoldResolvesToAnInstalledBoldFace) {
  const FontFace face = MatchFace(kDemoFont.family, kDemoFont.weight);
  ASSERT_FALSE(face.file.empty());
  EXPECT_NE(face.file.find("Bold"), std::string::npos) << face.file;
  EXPECT_TRUE(std::ifstream(face.file).good()) << face.file;
}

TEST(FontGlyphs, DemoFontGlyphsStandOnTheBaselineAtA36PixelEm) {
  const std::vector<GlyphBitmap> glyphs = LoadFontGlyphs(kDemoFont);
  ASSERT_EQ(glyphs.size(), static_cast<std::size_t>(kGlyphCount));
  const GlyphBitmap& space = Glyph(glyphs, ' ');
  EXPECT_EQ(space.width, 0);
  EXPECT_TRUE(space.rows.empty());

  // Capitals stand on the baseline about 0.72 em tall; a g hangs below it.
  const GlyphBitmap& h = Glyph(glyphs, 'H');
  EXPECT_NEAR(h.height, 0.718 * 36, 1.5);
  EXPECT_EQ(h.originY, 0);
  EXPECT_LE(h.originX, 0);
  const GlyphBitmap& g = Glyph(glyphs, 'g');
  EXPECT_GE(g.originY, 5);
  EXPECT_LE(g.originY, 9);
  EXPECT_EQ(g.rows.size(), static_cast<std::size_t>((g.width + 7) / 8 * g.height));
}

TEST(FontGlyphs, AMissingOrUnreadableFontGivesNoGlyphs) {
  EXPECT_TRUE(RasteriseGlyphs(FontFace{"/nonexistent/font.otf", 0}, 36).empty());
  EXPECT_TRUE(RasteriseGlyphs(FontFace{}, 36).empty());

  const std::string junk = testing::TempDir() + "not_a_font.ttf";
  std::ofstream(junk) << "this is not a font file";
  EXPECT_TRUE(RasteriseGlyphs(FontFace{junk, 0}, 36).empty());
  std::remove(junk.c_str());
}
