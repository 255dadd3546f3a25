// The sharp picture's sizes and text: what size a frame is drawn at on a drawable, and which
// glyph table, stretched how, its text is drawn with.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/picture_target.h"
#include "text/demo_font.h"
#include "text/sharp_font.h"

namespace {

void ExpectSize(PictureSize size, int width, int height) {
  EXPECT_EQ(size.width, width);
  EXPECT_EQ(size.height, height);
}

const GlyphBitmap& Glyph(const std::vector<GlyphBitmap>& glyphs, char code) {
  return glyphs.at(static_cast<unsigned char>(code) - kFirstGlyphCode);
}

}  // namespace

TEST(SharpDrawing, ASharpFrameFillsTheDrawablesFourByThreeAreaOnlyWhereThatIsLarger) {
  for (const auto& [width, height] : {std::pair{1920, 1080}, {800, 600}, {3840, 2160}, {1, 1}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    ExpectSize(DrawingSizeFor(PictureDrawing::Scaled, width, height), 800, 600);
  }
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 1600, 1200), 1600, 1200);
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 1920, 1080), 1440, 1080);
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 3840, 2160), 2880, 2160);
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 1080, 1920), 1080, 810);  // a tall screen
  // At or below the picture's size there is nothing sharper than the picture.
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 800, 600), 800, 600);
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 1000, 600), 800, 600);
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 640, 480), 800, 600);
  ExpectSize(DrawingSizeFor(PictureDrawing::Sharp, 0, 0), 800, 600);
}

TEST(SharpDrawing, TheNearestGlyphTableIsUsedWithItsAdvancesInProportion) {
  const struct {
    float scale;
    int multiple;
  } cases[] = {{1, 1}, {1.4f, 1}, {1.5f, 2}, {1.8f, 2}, {2, 2}, {2.4f, 2}, {3.6f, 4}, {6, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    const FontAtScale font = FontForScale(c.scale);
    EXPECT_EQ(font.multiple, c.multiple);
    // A line's length keeps its share of the picture's width whichever table draws it.
    EXPECT_FLOAT_EQ(font.advanceScale * static_cast<float>(font.multiple), c.scale);
  }
  for (const float odd : {0.5f, 0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN()}) {
    EXPECT_EQ(FontForScale(odd).multiple, 1) << odd;
    EXPECT_EQ(FontForScale(odd).advanceScale, 1) << odd;
  }

  // Scale 1 is the faithful font itself; 1.8 the 72-pixel table, each advance times 0.9.
  const std::vector<GlyphBitmap> faithful = DemoFontGlyphsAtScale(1);
  const std::vector<GlyphBitmap>& table1 = DemoFontGlyphs(1);
  const std::vector<GlyphBitmap>& table2 = DemoFontGlyphs(2);
  const std::vector<GlyphBitmap> stretched = DemoFontGlyphsAtScale(1.8f);
  ASSERT_EQ(faithful.size(), table1.size());
  ASSERT_EQ(stretched.size(), table2.size());
  for (std::size_t i = 0; i < table1.size(); ++i) {
    EXPECT_EQ(faithful[i].advance, table1[i].advance);
    EXPECT_EQ(faithful[i].rows, table1[i].rows);
    EXPECT_FLOAT_EQ(stretched[i].advance, table2[i].advance * 0.9f);
    EXPECT_EQ(stretched[i].rows, table2[i].rows);
  }
}

TEST(SharpDrawing, EachGlyphTableIsTheFontAtItsMultipleOfTheEm) {
  for (int multiple = 1; multiple <= kFontMultiples; ++multiple) {
    SCOPED_TRACE(multiple);
    const std::vector<GlyphBitmap>& glyphs = DemoFontGlyphs(multiple);
    ASSERT_EQ(glyphs.size(), static_cast<std::size_t>(kGlyphCount));
    const int em = multiple * kDemoFont.pixelEm;
    // Capitals stand on the baseline about 0.72 em tall; the advances grow with the em.
    EXPECT_NEAR(Glyph(glyphs, 'H').height, 0.718 * em, 0.02 * em);
    EXPECT_EQ(Glyph(glyphs, 'H').originY, 0);
    EXPECT_NEAR(Glyph(glyphs, 'W').advance, multiple * Glyph(DemoFontGlyphs(1), 'W').advance,
                multiple);
  }
  // Out of range, the faithful table.
  EXPECT_EQ(&DemoFontGlyphs(0), &DemoFontGlyphs(1));
  EXPECT_EQ(&DemoFontGlyphs(kFontMultiples + 1), &DemoFontGlyphs(1));
}
