// Field centres and cell sizes of the blob grid, including the cases precision decides.
#include "scenes/blob_grid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Both centres on one point.
FieldCentres BothAt(float x, float y, float z) { return FieldCentres{x, y, z, x, y, z}; }

// Clock values spread over scene 1, which lasts until t = 3.1.
template <typename Check>
void ForSceneOneMoments(Check check) {
  for (int i = 0; i <= 310; ++i) check(static_cast<float>(i) / 100);
}

}  // namespace

TEST(FieldCentres, StartAtTheirOwnPointsAndStayInsideTheLatticeCube) {
  const FieldCentres start = ComputeFieldCentres(0);
  EXPECT_EQ(start.c1x, 16.0f);
  EXPECT_EQ(start.c1y, 8.0f);
  EXPECT_EQ(start.c1z, 8.0f);
  EXPECT_EQ(start.c2x, 0.0f);
  EXPECT_EQ(start.c2y, 8.0f);
  EXPECT_EQ(start.c2z, 8.0f);

  bool moved = false;
  ForSceneOneMoments([&](float t) {
    const FieldCentres c = ComputeFieldCentres(t);
    for (float coordinate : {c.c1x, c.c1y, c.c1z, c.c2x, c.c2y, c.c2z}) {
      EXPECT_LE(std::fabs(coordinate), 16.0f) << "t " << t;
    }
    moved = moved || c.c1x < 0 || c.c2x > 8;
  });
  EXPECT_TRUE(moved) << "the centres never swam away from their starting points";
}

TEST(CellSize, ACellOnAFieldCentreKeepsItsBaseSizeDespiteTheInfiniteField) {
  // At t = 0 the second centre sits exactly on the lattice point (0, 8, 8).
  const float size = CellSize(ComputeFieldCentres(0), 0, 8, 8);
  EXPECT_NEAR(size, 0.234315, 1e-6);  // (1 - sqrt(128) / 16) * 0.8
}

TEST(CellSize, CellsAtRadiusSixteenOrBeyondNeverShow) {
  ForSceneOneMoments([](float t) {
    const FieldCentres c = ComputeFieldCentres(t);
    ASSERT_EQ(CellSize(c, -16, -16, -16), 0.0f) << "t " << t;
  });
  // Even with both centres on them: the corner, a cell exactly 16 away, and one just beyond.
  EXPECT_EQ(CellSize(BothAt(-16, -16, -16), -16, -16, -16), 0.0f);
  EXPECT_EQ(CellSize(BothAt(-16, 0, 0), -16, 0, 0), 0.0f);
  EXPECT_EQ(CellSize(BothAt(14, 8, 0), 14, 8, 0), 0.0f);
  // Just inside the radius a cell still shows, small.
  const float inside = CellSize(BothAt(14, 0, 6), 14, 0, 6);  // r = sqrt(232) = 15.23
  EXPECT_GT(inside, 0.0f);
  EXPECT_LT(inside, 0.04f);
}

TEST(CellSize, TheOriginCellIsFullSizeExactlyWhenItsFieldExceedsOne) {
  EXPECT_EQ(CellSize(BothAt(0, 0, 0), 0, 0, 0), 0.8f);
  EXPECT_EQ(CellSize(BothAt(11.9f, 0, 0), 0, 0, 0), 0.8f);  // 2 * 6 / 11.9 > 1
  EXPECT_EQ(CellSize(BothAt(12.1f, 0, 0), 0, 0, 0), 0.0f);  // 2 * 6 / 12.1 < 1
  int shown = 0;
  int hidden = 0;
  ForSceneOneMoments([&](float t) {
    const float size = CellSize(ComputeFieldCentres(t), 0, 0, 0);
    if (size == 0.8f) ++shown;
    if (size == 0.0f) ++hidden;
  });
  EXPECT_EQ(shown + hidden, 311) << "the origin cell took a size other than 0 and 0.8";
  EXPECT_GT(shown, 0);
  EXPECT_GT(hidden, 0);
}

TEST(CellSize, AFieldOfOneIsNotEnoughAndTheFieldIsSummedInFloat) {
  // Two centres 12 away on either side give 0.5 + 0.5 = 1: not above 1.
  FieldCentres c{12, 0, 0, -12, 0, 0};
  EXPECT_EQ(CellSize(c, 0, 0, 0), 0.0f);
  // One float step closer, the sum is 1 + 4e-8 in double but rounds to 1 when stored as a
  // float, so the cell stays empty.
  c.c2x = -std::nextafter(12.0f, 0.0f);
  EXPECT_EQ(CellSize(c, 0, 0, 0), 0.0f);
  // Two steps closer the stored sum is the float after 1, and the cell shows.
  c.c2x = -std::nextafter(std::nextafter(12.0f, 0.0f), 0.0f);
  EXPECT_EQ(CellSize(c, 0, 0, 0), 0.8f);
}
