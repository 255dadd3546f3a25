// glPrint's merged line against its per-glyph display lists: the same pixels and the same
// raster position afterwards, at whole and fractional positions and for awkward text.
#include <algorithm>
#include <cmath>
#include <string>

#include "text/font.h"
#include "text_canvas.h"

namespace {

class MergedTextGL : public TextCanvas {
 protected:
  void TearDown() override {
    SetTextDrawing(TextDrawing::Merged);
    TextCanvas::TearDown();
  }

  struct Result {
    std::vector<Pixel> picture;
    WindowPoint end;
  };

  Result Print(TextDrawing drawing, const std::string& text, float x, float y) {
    SetTextDrawing(drawing);
    glClear(GL_COLOR_BUFFER_BIT);
    glRasterPos2f(x, y);
    glPrint("%s", text.c_str());
    return {ReadPicture(), RasterPosition()};
  }
};

}  // namespace

TEST_F(MergedTextGL, DrawsThePixelsAndAdvanceOfTheGlyphLists) {
  const std::string texts[] = {
      "Mr Plovard & Mr Gravunkel, featuring Tobrix",  // a long line with spaces
      "AVAWAVAT fjord ff ||| ,.;:",                   // kerning-free overlaps and thin glyphs
      "     ",                                        // advances only
      "x",
      "\x7f~\x01 \xc3\xa9 ok",  // codes outside the font are skipped as missing lists are
  };
  // Whole pixels, fractions near a pixel boundary on both sides, and the picture's edges,
  // where a line runs off the picture.
  const float xs[] = {10.25f, 99.9999f, 100.00005f, 37.123f, 0, 700.75f};
  const float ys[] = {300.5f, 12.99999f, 580.3f};
  int compared = 0;
  for (const std::string& text : texts) {
    for (const float x : xs) {
      for (const float y : ys) {
        const Result lists = Print(TextDrawing::PerGlyph, text, x, y);
        const Result merged = Print(TextDrawing::Merged, text, x, y);
        const auto mismatch =
            std::mismatch(lists.picture.begin(), lists.picture.end(), merged.picture.begin());
        EXPECT_TRUE(mismatch.first == lists.picture.end())
            << "\"" << text << "\" at " << x << ", " << y << ": pixel ("
            << (mismatch.first - lists.picture.begin()) % gResX << ", "
            << (mismatch.first - lists.picture.begin()) / gResX << ") is " << *mismatch.first
            << " from the lists, " << *mismatch.second << " merged";
        EXPECT_EQ(merged.end.x, lists.end.x) << "\"" << text << "\" at " << x << ", " << y;
        EXPECT_EQ(merged.end.y, lists.end.y) << "\"" << text << "\" at " << x << ", " << y;
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 5 * 6 * 3);
}
