// Both scenes' text overlays as DrawFrame draws them: which rows show, in which colour, and
// how they drift.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "bitmap_feedback.h"
#include "offscreen_frame.h"
#include "text/text_tables.h"
#include "text/typed_lines.h"

namespace {

// A row's anchor in picture pixels (origin top-left): the pen's start on the baseline.
struct PicturePoint {
  int x = 0;
  int y = 0;
};

PicturePoint AnchorInPicture(int row, float w, float t) {
  const RowAnchor anchor = TypedRowAnchor(row, w, t);
  return {static_cast<int>(std::floor((anchor.x + 1) / 2 * gResX)),
          static_cast<int>(std::floor((anchor.y + 1) / 2 * gResY))};
}

// The text's glyphs reach at most this far above and below their baseline (36-pixel em).
constexpr int kAscent = 28;
constexpr int kDescent = 9;

using TypedLinesGL = OffscreenFrame;

int CountInBox(const std::vector<Pixel>& picture, const Pixel& colour, int left, int top, int right,
               int bottom) {
  int count = 0;
  for (int y = std::max(top, 0); y <= std::min(bottom, gResY - 1); ++y) {
    for (int x = std::max(left, 0); x <= std::min(right, gResX - 1); ++x) {
      if (picture[y * gResX + x] == colour) ++count;
    }
  }
  return count;
}

}  // namespace

TEST_F(TypedLinesGL, SceneOneShowsItsTypedRowsInGreenAndNothingBelowThem) {
  const Pixel green{0, 255, 0};
  // At row 3's start (12.8 s) rows 0..2 are typed out and row 3 is not shown yet.
  const float t = RowStart(3, 0.32f);
  ASSERT_EQ(TypedLength(31, RowStart(2, 0.32f), 0.32f, t), 31);
  DrawFrame(FrameInput{1, t, {}});
  const std::vector<Pixel> picture = ReadPicture();

  int lowestBaseline = 0;
  for (int row = 0; row <= 2; ++row) {
    const PicturePoint anchor = AnchorInPicture(row, 25, t);
    lowestBaseline = std::max(lowestBaseline, anchor.y);
    // The row's first glyph stands right of its anchor on its baseline.
    EXPECT_GT(CountInBox(picture, green, anchor.x, anchor.y - kAscent, anchor.x + 30, anchor.y), 40)
        << "row " << row;
  }
  EXPECT_EQ(CountInBox(picture, green, 0, lowestBaseline + kDescent + 1, gResX, gResY), 0);
  EXPECT_GT(CountInBox(picture, green, 0, 0, gResX, gResY), 1000);
}

TEST_F(TypedLinesGL, SceneOneShowsNoTextBeforeItsFirstRowStarts) {
  DrawFrame(FrameInput{1, 0.32f, {}});
  const std::vector<Pixel> picture = ReadPicture();
  EXPECT_EQ(CountInBox(picture, Pixel{0, 255, 0}, 0, 0, gResX, gResY), 0);
}

TEST_F(TypedLinesGL, SceneTwoTextIsRedWithTheEmptyRowLeftBlank) {
  const Pixel red{255, 0, 0};
  const float t = 1.7f;  // past 16 s every row is whole
  DrawFrame(FrameInput{2, t, {}});
  const std::vector<Pixel> picture = ReadPicture();
  for (int row = 0; row < texten2_rader; ++row) {
    const PicturePoint anchor = AnchorInPicture(row, 5, t);
    const int inkNearAnchor =
        CountInBox(picture, red, anchor.x, anchor.y - kAscent, anchor.x + 30, anchor.y);
    if (std::strlen(texten2[row]) > 0) {
      EXPECT_GT(inkNearAnchor, 40) << "row " << row;
    }
  }
  EXPECT_EQ(CountInBox(picture, Pixel{0, 255, 0}, 0, 0, gResX, gResY), 0);
}

TEST_F(TypedLinesGL, RowsDriftAlongCirclesOfRadiusOneTenth) {
  // All of scene 1's rows are whole after 25.6 s; the first glyph of each row lands on its
  // anchor, which circles (-0.8, -0.8 + 0.2 i) at 25 radians per unit of t.
  const auto firstGlyphs = [](float t) {
    const std::vector<WindowPoint> tokens = FeedbackBitmaps([t] {
      DrawTypedLines(texten, texten_rader, 0.32f, 25, Colour{0, 1, 0}, t);
    });
    std::vector<WindowPoint> firsts;
    std::size_t index = 0;
    for (int row = 0; row < texten_rader; ++row) {
      if (index < tokens.size()) firsts.push_back(tokens[index]);
      index += std::strlen(texten[row]);
    }
    EXPECT_EQ(index, tokens.size());
    return firsts;
  };
  const float t1 = 2.7f;
  const float t2 = 2.76f;
  const std::vector<WindowPoint> at1 = firstGlyphs(t1);
  const std::vector<WindowPoint> at2 = firstGlyphs(t2);
  ASSERT_EQ(at1.size(), 7u);
  ASSERT_EQ(at2.size(), 7u);
  for (int row = 0; row < 7; ++row) {
    const double a1 = 25.0 * t1 + row;
    const double a2 = 25.0 * t2 + row;
    // Window pixels: 400 per unit across, 300 per unit down the picture (window y goes up).
    EXPECT_NEAR(at2[row].x - at1[row].x, 0.1 * (std::cos(a2) - std::cos(a1)) * 400, 0.5)
        << "row " << row;
    EXPECT_NEAR(at2[row].y - at1[row].y, -0.1 * (std::sin(a2) - std::sin(a1)) * 300, 0.5)
        << "row " << row;
    const double centreX = (1 - 0.8) * 400;
    const double centreY = (1 - (-0.8 + 0.2 * row)) * 300;
    EXPECT_NEAR(std::hypot((at1[row].x - centreX) / 400, (at1[row].y - centreY) / 300), 0.1, 1e-3)
        << "row " << row;
  }
}
