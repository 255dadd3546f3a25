// The glyph table generator's rasteriser: matching an installed face, unreadable files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "font_glyphs.h"
#include "text/demo_font.h"

TEST(FontGlyphs, HelveticaBoldResolvesToAnInstalledBoldFace) {
  const FontFace face = MatchFace(kDemoFont.family, kDemoFont.weight);
  ASSERT_FALSE(face.file.empty());
  EXPECT_NE(face.file.find("Bold"), std::string::npos) << face.file;
  EXPECT_TRUE(std::ifstream(face.file).good()) << face.file;
}

TEST(FontGlyphs, AMissingOrUnreadableFontGivesNoGlyphs) {
  EXPECT_TRUE(RasteriseGlyphs(FontFace{"/nonexistent/font.otf", 0}, 36).empty());
  EXPECT_TRUE(RasteriseGlyphs(FontFace{}, 36).empty());

  const std::string junk = testing::TempDir() + "not_a_font.ttf";
  std::ofstream(junk) << "this is not a font file";
  EXPECT_TRUE(RasteriseGlyphs(FontFace{junk, 0}, 36).empty());
  std::remove(junk.c_str());
}

TEST(FontGlyphs, TheCompiledTablesAreTheFontAsRasterisedHere) {
  const FontFace face = MatchFace(kDemoFont.family, kDemoFont.weight);
  for (int multiple = 1; multiple <= kFontMultiples; ++multiple) {
    const std::vector<GlyphBitmap> fresh = RasteriseGlyphs(face, multiple * kDemoFont.pixelEm);
    const std::vector<GlyphBitmap>& table = DemoFontGlyphs(multiple);
    ASSERT_EQ(fresh.size(), table.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
      SCOPED_TRACE(std::to_string(multiple) + "x, " +
                   std::string(1, static_cast<char>(kFirstGlyphCode + i)));
      EXPECT_EQ(fresh[i].width, table[i].width);
      EXPECT_EQ(fresh[i].height, table[i].height);
      EXPECT_EQ(fresh[i].originX, table[i].originX);
      EXPECT_EQ(fresh[i].originY, table[i].originY);
      EXPECT_EQ(fresh[i].advance, table[i].advance);
      EXPECT_EQ(fresh[i].rows, table[i].rows);
    }
  }
}
