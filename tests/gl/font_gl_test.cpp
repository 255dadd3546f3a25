// glPrint over the font's display lists on a real GL context: where glyphs land, how far they
// advance, and what happens with empty, over-long or missing input.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "text/font.h"
#include "text/typed_lines.h"
#include "text_canvas.h"

namespace {

const Pixel kWhite{255, 255, 255};

class FontGL : public TextCanvas {
 protected:
  int CountNonWhite() const {
    const std::vector<Pixel> picture = ReadPicture();
    return static_cast<int>(std::count_if(picture.begin(), picture.end(),
                                          [](const Pixel& p) { return !(p == kWhite); }));
  }
};

// Helvetica Bold advance widths at a 36-pixel em, from its widths in thousandths of an em.
float HelveticaBoldAdvance(char c) {
  switch (c) {
    case 'A':
      return 0.722f * 36;
    case 'W':
      return 0.944f * 36;
    case 'i':
    case ' ':
      return 0.278f * 36;
    default:
      return 0;
  }
}

}  // namespace

TEST_F(FontGL, EmptyTextOrNoFormatDrawsNothingAndLeavesTheRasterPosition) {
  glRasterPos2i(100, 300);
  const WindowPoint before = RasterPosition();
  const char* empty = "";
  glPrint(empty);
  const char* none = nullptr;
  glPrint(none);
  const WindowPoint after = RasterPosition();
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
  EXPECT_EQ(CountNonWhite(), 0);
}

TEST_F(FontGL, ASpaceAdvancesWithoutDrawing) {
  glRasterPos2i(100, 300);
  glPrint(" ");
  EXPECT_NEAR(RasterPosition().x, 100 + HelveticaBoldAdvance(' '), 1);
  EXPECT_EQ(RasterPosition().y, 300);
  EXPECT_EQ(CountNonWhite(), 0);
}

TEST_F(FontGL, GlyphsAdvanceByTheirWidthsAlongTheBaseline) {
  const std::vector<WindowPoint> tokens = FeedbackBitmaps([] {
    glRasterPos2i(50, 200);
    glPrint("AW i");
  });
  ASSERT_EQ(tokens.size(), 4u);
  float expectedX = 50;
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(tokens[i].x, expectedX, 1.5) << "glyph " << i;
    EXPECT_EQ(tokens[i].y, 200) << "glyph " << i;
    expectedX += HelveticaBoldAdvance("AW i"[i]);
  }
  // Glyph advances are whole pixels, so text stays on the pixel grid.
  for (const WindowPoint& token : tokens) EXPECT_EQ(token.x, std::floor(token.x));
}

TEST_F(FontGL, GlyphInkSitsOnTheBaselineInTheRasterColour) {
  glRasterPos2i(100, 300);  // picture row 299 is the row just above the baseline
  glPrint("H");
  const std::vector<Pixel> picture = ReadPicture();
  int top = gResY;
  int bottom = -1;
  int left = gResX;
  int right = -1;
  for (int y = 0; y < gResY; ++y) {
    for (int x = 0; x < gResX; ++x) {
      const Pixel& p = picture[y * gResX + x];
      if (p == kWhite) continue;
      EXPECT_EQ(p, (Pixel{0, 0, 255})) << "at " << x << ", " << y;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_EQ(bottom, 299);                // the H stands on the baseline
  EXPECT_NEAR(bottom - top + 1, 26, 1);  // cap height 0.718 em
  EXPECT_GE(left, 100);
  EXPECT_LE(right, 100 + 26);
}

TEST_F(FontGL, TextLongerThanTheBufferIsCutTo255Characters) {
  const std::string longText(400, 'i');
  const std::vector<WindowPoint> tokens = FeedbackBitmaps([&] {
    glRasterPos2i(0, 100);
    glPrint("%s", longText.c_str());
  });
  EXPECT_EQ(tokens.size(), 255u);
  const std::vector<WindowPoint> shortTokens = FeedbackBitmaps([] {
    glRasterPos2i(0, 100);
    glPrint("%d%s", 42, "ii");
  });
  EXPECT_EQ(shortTokens.size(), 4u);
}

TEST_F(FontGL, ARowWithAPercentSignIsPrintedAsItStands) {
  // As a format, "%%" would print one character; the row must show both.
  TextTable table = {"100%% pure"};
  const std::vector<WindowPoint> tokens = FeedbackBitmaps([&] {
    DrawTypedLines(table, 1, 0.2f, 5, Colour{1, 0, 0}, 1.0f);
  });
  EXPECT_EQ(tokens.size(), 10u);
}

TEST_F(FontGL, WithoutAFontNothingIsDrawn) {
  BuildFont({});
  glRasterPos2i(100, 300);
  const WindowPoint before = RasterPosition();
  glPrint("ABC");
  EXPECT_EQ(RasterPosition().x, before.x);
  EXPECT_EQ(CountNonWhite(), 0);
  // Partial glyph sets are refused the same way.
  BuildFont(std::vector<GlyphBitmap>(10));
  glPrint("ABC");
  EXPECT_EQ(CountNonWhite(), 0);
}
