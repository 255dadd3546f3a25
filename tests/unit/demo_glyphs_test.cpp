// The glyph table compiled into the demo: 96 glyphs of a bold face at a 36-pixel em.
#include <gtest/gtest.h>

#include "text/demo_font.h"

namespace {

const GlyphBitmap& Glyph(char code) {
  return DemoFontGlyphs().at(static_cast<unsigned char>(code) - kFirstGlyphCode);
}

}  // namespace

TEST(DemoGlyphs, GlyphsStandOnTheBaselineAtA36PixelEm) {
  ASSERT_EQ(DemoFontGlyphs().size(), static_cast<std::size_t>(kGlyphCount));
  const GlyphBitmap& space = Glyph(' ');
  EXPECT_EQ(space.width, 0);
  EXPECT_TRUE(space.rows.empty());
  EXPECT_GT(space.advance, 0);

  // Capitals stand on the baseline about 0.72 em tall; a g hangs below it.
  const GlyphBitmap& h = Glyph('H');
  EXPECT_NEAR(h.height, 0.718 * kDemoFont.pixelEm, 1.5);
  EXPECT_EQ(h.originY, 0);
  EXPECT_LE(h.originX, 0);
  const GlyphBitmap& g = Glyph('g');
  EXPECT_GE(g.originY, 5);
  EXPECT_LE(g.originY, 9);
}

TEST(DemoGlyphs, EveryGlyphHoldsWholeRowsForItsInkBox) {
  for (const GlyphBitmap& glyph : DemoFontGlyphs()) {
    EXPECT_EQ(glyph.rows.size(), static_cast<std::size_t>((glyph.width + 7) / 8 * glyph.height));
  }
}
