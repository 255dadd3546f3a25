// Synthetic glyphs of odd widths compiled into the font's lists draw exactly, whatever
// pixel-store state the caller had, and leave that state alone.
#include <GL/gl.h>

#include <string>
#include <vector>

#include "text/font.h"
#include "text_canvas.h"

namespace {

// A glyph from rows of '#' and '.', top row first, packed as glBitmap rows.
GlyphBitmap MakeGlyph(const std::vector<std::string>& picture, float originX, float originY) {
  GlyphBitmap glyph;
  glyph.width = static_cast<int>(picture[0].size());
  glyph.height = static_cast<int>(picture.size());
  glyph.originX = originX;
  glyph.originY = originY;
  glyph.advance = static_cast<float>(glyph.width + 2);
  const int rowBytes = (glyph.width + 7) / 8;
  glyph.rows.assign(rowBytes * glyph.height, 0);
  for (int fromTop = 0; fromTop < glyph.height; ++fromTop) {
    const int fromBottom = glyph.height - 1 - fromTop;
    for (int x = 0; x < glyph.width; ++x) {
      if (picture[fromTop][x] == '#') {
        glyph.rows[fromBottom * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
  }
  return glyph;
}

const std::vector<std::string> kFiveWide = {"#...#", ".#.#.", "..#..", ".#.#.", "##.##"};
const std::vector<std::string> kThirtyFourWide = {
    "##################################",
    "#...............##...............#",
    "#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.##",
};

class GlyphListsGL : public TextCanvas {
 protected:
  void SetUp() override {
    TextCanvas::SetUp();
    // Settings a caller might have left; the font must not depend on them or change them.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_TRUE);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 3);
    std::vector<GlyphBitmap> glyphs(kGlyphCount);
    for (GlyphBitmap& glyph : glyphs) glyph.advance = 4;
    glyphs['A' - kFirstGlyphCode] = MakeGlyph(kFiveWide, -1, 2);
    glyphs['B' - kFirstGlyphCode] = MakeGlyph(kThirtyFourWide, 0, 0);
    BuildFont(glyphs);
  }

  // The picture's pixels from (left, top) as '#' (drawn) and '.' (white) rows.
  std::vector<std::string> ReadArea(int left, int top, int width, int height) const {
    std::vector<std::string> area;
    for (int y = top; y < top + height; ++y) {
      std::string row;
      for (int x = left; x < left + width; ++x) {
        row += ReadPixel(x, y) == (Pixel{255, 255, 255}) ? '.' : '#';
      }
      area.push_back(row);
    }
    return area;
  }
};

}  // namespace

TEST_F(GlyphListsGL, PixelStoreSettingsAreLeftAsTheyWere) {
  GLint alignment = 0;
  GLint lsbFirst = 0;
  GLint skipPixels = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glGetIntegerv(GL_UNPACK_LSB_FIRST, &lsbFirst);
  glGetIntegerv(GL_UNPACK_SKIP_PIXELS, &skipPixels);
  EXPECT_EQ(alignment, 8);
  EXPECT_EQ(lsbFirst, GL_TRUE);
  EXPECT_EQ(skipPixels, 3);
}

TEST_F(GlyphListsGL, OddWidthGlyphsDrawExactlyAroundTheirOrigins) {
  // Raster position (100, 200) in window coordinates is picture column 100 above row 399. The
  // five-wide glyph starts one column right of the pen and hangs two rows below the baseline.
  glRasterPos2i(100, 200);
  glPrint("A");
  EXPECT_EQ(ReadArea(101, 397, 5, 5), kFiveWide);
  EXPECT_EQ(ReadArea(99, 395, 8, 9),
            (std::vector<std::string>{"........", "........", "..#...#.", "...#.#..", "....#...",
                                      "...#.#..", "..##.##.", "........", "........"}));

  glRasterPos2i(300, 200);
  glPrint("B");
  EXPECT_EQ(ReadArea(300, 397, 34, 3), kThirtyFourWide);
  EXPECT_EQ(ReadArea(300, 396, 34, 1), std::vector<std::string>{std::string(34, '.')});
}

TEST_F(GlyphListsGL, EachGlyphAdvancesByItsOwnWidth) {
  glRasterPos2i(10, 100);
  glPrint("A B");  // 7 + 4 + 36
  EXPECT_EQ(RasterPosition().x, 10 + 7 + 4 + 36);
}
