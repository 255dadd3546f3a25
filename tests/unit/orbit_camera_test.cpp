// Mouse offsets and the eye positions they give in both scenes.
#include "scenes/orbit_camera.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MouseOffset, IsZeroAtTheCentreAndMinusHalfAtTheLeftAndTopEdges) {
  const MouseOffset centre = ComputeMouseOffset({400, 300});
  EXPECT_EQ(centre.mx, 0.0f);
  EXPECT_EQ(centre.my, 0.0f);
  const MouseOffset corner = ComputeMouseOffset({0, 0});
  EXPECT_EQ(corner.mx, -0.5f);
  EXPECT_EQ(corner.my, -0.5f);
  const MouseOffset last = ComputeMouseOffset({799, 599});
  EXPECT_EQ(last.mx, static_cast<float>(399.0 / 800));
  EXPECT_EQ(last.my, static_cast<float>(299.0 / 600));
}

TEST(MouseOffset, HalvesTheScreenSizeInIntegers) {
  // 401 - 400 = 1 pixel right of centre; an off-by-half centre would give 0.5 / 800.
  EXPECT_EQ(ComputeMouseOffset({401, 301}).mx, static_cast<float>(1.0 / 800));
  EXPECT_EQ(ComputeMouseOffset({401, 301}).my, static_cast<float>(1.0 / 600));
}

TEST(OrbitEye, SceneOneCentreLooksFromThePositiveZAxis) {
  const Eye eye = OrbitEye(CameraPath::Orbit, {0, 0}, 0.7f);
  EXPECT_DOUBLE_EQ(eye.x, 0);
  EXPECT_DOUBLE_EQ(eye.y, 0);
  EXPECT_DOUBLE_EQ(eye.z, 30);
}

TEST(OrbitEye, SceneOneLeftEdgeLooksFromBehind) {
  const Eye eye = OrbitEye(CameraPath::Orbit, {-0.5f, 0}, 0);
  // sin(-3.1415926) is not exactly 0 because the demo's pi is short.
  EXPECT_NEAR(eye.x, 0, 1e-5);
  EXPECT_NEAR(eye.z, -30, 1e-9);
  EXPECT_NE(eye.x, 0);
}

TEST(OrbitEye, VerticalMouseRaisesAndLowersTheEye) {
  EXPECT_DOUBLE_EQ(OrbitEye(CameraPath::Orbit, {0, -0.5f}, 0).y, -15);
  EXPECT_DOUBLE_EQ(OrbitEye(CameraPath::Travel, {0, -0.5f}, 1.0f).y, -15);
  EXPECT_DOUBLE_EQ(OrbitEye(CameraPath::Orbit, ComputeMouseOffset({400, 599}), 0).y,
                   30.0 * static_cast<float>(299.0 / 600));
  // The horizontal distance stays on the circle of radius 30 in scene 1.
  const Eye eye = OrbitEye(CameraPath::Orbit, {0.3f, 0.4f}, 0);
  EXPECT_NEAR(std::hypot(eye.x, eye.z), 30, 1e-9);
}

TEST(OrbitEye, SceneTwoTravelsWithTheMouseStill) {
  const Eye start = OrbitEye(CameraPath::Travel, {0, 0}, 0);
  EXPECT_DOUBLE_EQ(start.x, 0);
  EXPECT_DOUBLE_EQ(start.z, 30);
  const float t = 0.5f;
  const Eye later = OrbitEye(CameraPath::Travel, {0, 0}, t);
  EXPECT_DOUBLE_EQ(later.x, std::sin(3.0 * t) * 30);
  EXPECT_DOUBLE_EQ(later.z, std::cos(-4.7 * t) * 30);
  // Different time terms for x and z: the path is no circle.
  EXPECT_GT(std::abs(std::hypot(later.x, later.z) - 30), 1);
}
