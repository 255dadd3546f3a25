// The swing angles of the cube cross's rings.
#include "scenes/cube_cross.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RingSwing, AtTimeZeroEachRingTurnsThreeDegreesPerIndexOnBothAxes) {
  for (int s = 1; s <= 4; ++s) {
    const RingSwing swing = ComputeRingSwing(0, s);
    EXPECT_EQ(swing.aboutY, 3.0f * s) << "ring " << s;
    EXPECT_EQ(swing.aboutX, 3.0f * s) << "ring " << s;
  }
}

TEST(RingSwing, TheXSwingRunsOnePointThreeTimesFasterThanTheYSwing) {
  const double pi = std::acos(-1.0);
  // The y swing reaches its far side at 25 t = pi, the x swing already at 25 t * 1.3 = pi.
  const float yTurned = static_cast<float>(pi / 25);
  const float xTurned = static_cast<float>(pi / (25 * 1.3));
  for (int s = 1; s <= 4; ++s) {
    EXPECT_NEAR(ComputeRingSwing(yTurned, s).aboutY, -3.0 * s, 1e-5) << "ring " << s;
    EXPECT_NEAR(ComputeRingSwing(xTurned, s).aboutX, -3.0 * s, 1e-5) << "ring " << s;
    EXPECT_GT(ComputeRingSwing(xTurned, s).aboutY, -3.0f * s + 0.5f) << "ring " << s;
    // Half-way, each swing passes through zero.
    EXPECT_NEAR(ComputeRingSwing(yTurned / 2, s).aboutY, 0, 1e-5) << "ring " << s;
    EXPECT_NEAR(ComputeRingSwing(xTurned / 2, s).aboutX, 0, 1e-5) << "ring " << s;
  }
}
