// The typed overlay's timetable, typed lengths and drifting row positions, and its two tables.
#include "text/typed_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "text/text_tables.h"

namespace {

constexpr float kSceneOneInterval = 0.32f;
constexpr float kSceneTwoInterval = 0.2f;
const double kPi = std::acos(-1.0);

int Length(const char* row) { return static_cast<int>(std::strlen(row)); }

}  // namespace

TEST(TypedLines, RowsStartOneIntervalApartInSinglePrecision) {
  EXPECT_EQ(RowStart(0, kSceneOneInterval), 0.32f);
  EXPECT_EQ(RowStart(6, kSceneOneInterval), static_cast<float>(7 * 0.32f));
  // Scene 1's last row starts at 22.4 s and is whole by 25.6 s, before the scene ends at 31 s.
  EXPECT_NEAR(RowStart(6, kSceneOneInterval), 2.24, 1e-6);
  EXPECT_NEAR(RowStart(6, kSceneTwoInterval) + kSceneTwoInterval, 1.6, 1e-6);
}

TEST(TypedLines, ARowIsShownOnlyStrictlyAfterItsStart) {
  const float start = RowStart(2, kSceneOneInterval);
  EXPECT_FALSE(RowShown(start, start));
  EXPECT_FALSE(RowShown(start, std::nextafter(start, 0.0f)));
  const float justAfter = std::nextafter(start, 10.0f);
  EXPECT_TRUE(RowShown(start, justAfter));
  EXPECT_EQ(TypedLength(31, start, kSceneOneInterval, justAfter), 0);
}

TEST(TypedLines, HalfwayThroughItsIntervalARowShowsHalfItsLengthTruncated) {
  // Halfway moments as the scene clock gives them: scene 1's row 1 runs from 6.4 s to 9.6 s,
  // its row 6 from 22.4 s to 25.6 s, scene 2's row 4 from 10 s to 12 s.
  ASSERT_EQ(Length(texten[1]), 18);
  EXPECT_EQ(TypedLength(18, RowStart(1, kSceneOneInterval), kSceneOneInterval, 0.8f), 9);
  ASSERT_EQ(Length(texten[6]), 11);
  EXPECT_EQ(TypedLength(11, RowStart(6, kSceneOneInterval), kSceneOneInterval, 2.4f), 5);
  ASSERT_EQ(Length(texten2[4]), 18);
  EXPECT_EQ(TypedLength(18, RowStart(4, kSceneTwoInterval), kSceneTwoInterval, 1.1f), 9);
}

TEST(TypedLines, TheFractionIsFormedInDoublePrecision) {
  // Here f * 18 is 14.9999994 in double precision but rounds to 15 in single precision.
  const float t = 0x1.d0369cp-1f;
  EXPECT_EQ(TypedLength(18, RowStart(1, kSceneOneInterval), kSceneOneInterval, t), 14);
}

TEST(TypedLines, OnceAWholeIntervalHasPassedTheRowIsWhole) {
  const float start = RowStart(0, kSceneTwoInterval);
  const float end = start + kSceneTwoInterval;
  EXPECT_EQ(TypedLength(29, start, kSceneTwoInterval, std::nextafter(end, 10.0f)), 29);
  EXPECT_EQ(TypedLength(29, start, kSceneTwoInterval, 3.1f), 29);
  EXPECT_EQ(TypedLength(0, start, kSceneTwoInterval, 3.1f), 0);
  // Just before the end the last character is still missing.
  const float nearlyEnd = start + kSceneTwoInterval * 0.99f;
  EXPECT_EQ(TypedLength(29, start, kSceneTwoInterval, nearlyEnd), 28);
}

TEST(TypedLines, RowsDriftOnCirclesOfRadiusOneTenthAroundTheirAnchors) {
  const float w = 25;
  for (int row = 0; row < 7; ++row) {
    for (const float t : {0.0f, 0.37f, 1.5f, 2.9f}) {
      const RowAnchor anchor = TypedRowAnchor(row, w, t);
      const double dx = anchor.x + 0.8;
      const double dy = anchor.y - (-0.8 + 0.2 * row);
      EXPECT_NEAR(std::hypot(dx, dy), 0.1, 1e-6) << "row " << row << " t " << t;
      // y grows downwards, so a positive sine moves the row down the picture.
      const double angle = std::atan2(dy, dx);
      EXPECT_NEAR(std::remainder(angle - (w * static_cast<double>(t) + row), 2 * kPi), 0, 1e-5)
          << "row " << row << " t " << t;
    }
  }
}

TEST(TextTables, HoldSevenRowsEachWithTheStatedLengthsAndNoPercentSign) {
  EXPECT_EQ(texten_rader, 7);
  EXPECT_EQ(texten2_rader, 7);
  EXPECT_STREQ(texten[0], "Mr Plovard & Mr Gravunkel, featuring Tobrix");
  EXPECT_STREQ(texten[6], "... suckers");
  EXPECT_EQ(Length(texten2[0]), 29);
  EXPECT_EQ(Length(texten2[1]), 18);
  EXPECT_EQ(Length(texten2[2]), 27);
  EXPECT_STREQ(texten2[3], "Let's drink and party");
  EXPECT_STREQ(texten2[4], "Let's demo AND die");
  EXPECT_STREQ(texten2[5], "");
  EXPECT_STREQ(texten2[6], "(Esc to quit");
  for (int row = 0; row < 7; ++row) {
    EXPECT_EQ(std::strchr(texten[row], '%'), nullptr) << "texten row " << row;
    EXPECT_EQ(std::strchr(texten2[row], '%'), nullptr) << "texten2 row " << row;
  }
}
