// The cube cross on a real GL context: ring colours, the empty centre, and where and in which
// order its 24 cubes are drawn.
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "feedback.h"
#include "offscreen_frame.h"
#include "scenes/cube_cross.h"
#include "scenes/orbit_camera.h"

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix m{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      for (int k = 0; k < 3; ++k) m[i][j] += a[i][k] * b[k][j];
    }
  }
  return m;
}

// Right-handed turns by the given degrees, as glRotatef makes them.
Matrix TurnAboutY(double degrees) {
  const double r = degrees * std::acos(-1.0) / 180, c = std::cos(r), s = std::sin(r);
  return Matrix{{{c, 0, s}, {0, 1, 0}, {-s, 0, c}}};
}

Matrix TurnAboutX(double degrees) {
  const double r = degrees * std::acos(-1.0) / 180, c = std::cos(r), s = std::sin(r);
  return Matrix{{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
}

Vec3 Apply(const Matrix& m, const Vec3& v) {
  return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
          m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
          m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

double Distance(const Vec3& a, const Vec3& b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                   (a.z - b.z) * (a.z - b.z));
}

struct ExpectedCube {
  int ring;
  Vec3 centre;
  Matrix turn;

  // How far a point lies from the nearest of the cube's eight corners.
  double DistanceToCorner(const Vec3& point) const {
    double nearest = 1e9;
    for (int corner = 0; corner < 8; ++corner) {
      const Vec3 offset =
          Apply(turn, {corner & 1 ? 1.0 : -1.0, corner & 2 ? 1.0 : -1.0, corner & 4 ? 1.0 : -1.0});
      nearest = std::min(nearest, Distance(point, {centre.x + offset.x, centre.y + offset.y,
                                                   centre.z + offset.z}));
    }
    return nearest;
  }
};

// Ring s turns by the swings of rings 1 to s in ring order, each about y and then about x;
// its arms point along +x, -x, +y, -y, +z, -z at distance 3 s.
std::vector<ExpectedCube> ExpectedCubes(float t) {
  std::vector<ExpectedCube> cubes;
  Matrix turn{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  for (int s = 1; s <= 4; ++s) {
    const RingSwing swing = ComputeRingSwing(t, s);
    turn = Multiply(Multiply(turn, TurnAboutY(swing.aboutY)), TurnAboutX(swing.aboutX));
    const double d = 3.0 * s;
    const Vec3 arms[] = {{d, 0, 0}, {-d, 0, 0}, {0, d, 0}, {0, -d, 0}, {0, 0, d}, {0, 0, -d}};
    for (const Vec3& arm : arms) cubes.push_back({s, Apply(turn, arm), turn});
  }
  return cubes;
}

const Pixel kRingPixels[] = {{64, 255, 0}, {128, 255, 0}, {191, 255, 0}, {255, 255, 0}};

bool Near(const Pixel& a, const Pixel& b) {
  return std::abs(a.r - b.r) <= 1 && a.g == b.g && a.b == b.b;
}

}  // namespace

using CubeCrossGL = OffscreenFrame;

TEST_F(CubeCrossGL, ShowsTheFourRingColoursAndNothingElseOnWhite) {
  SetOrbitCamera(CameraPath::Travel, 0, {400, 300});
  DrawCubeCross(0);
  long counts[4] = {0, 0, 0, 0};
  for (const Pixel& pixel : ReadPicture()) {
    if (pixel == Pixel{255, 255, 255}) continue;
    bool known = false;
    for (int ring = 0; ring < 4; ++ring) {
      if (Near(pixel, kRingPixels[ring])) {
        ++counts[ring];
        known = true;
      }
    }
    ASSERT_TRUE(known) << "pixel " << pixel << " is neither white nor a ring colour";
  }
  for (int ring = 0; ring < 4; ++ring) {
    EXPECT_GT(counts[ring], 200) << "ring " << ring + 1 << " colour " << kRingPixels[ring];
  }
}

TEST_F(CubeCrossGL, NothingIsDrawnAtTheOrigin) {
  // From above and to the side, the origin projects to the picture's centre between the arms.
  SetOrbitCamera(CameraPath::Travel, 0, {500, 0});
  DrawCubeCross(0);
  for (int y = 298; y <= 301; ++y) {
    for (int x = 398; x <= 401; ++x) {
      EXPECT_EQ(ReadPixel(x, y), (Pixel{255, 255, 255})) << "pixel " << x << ", " << y;
    }
  }
  // The inner ring is close by: its colour shows within 60 pixels of the centre.
  bool innerRingNearby = false;
  for (int y = 240; y <= 360; ++y) {
    for (int x = 340; x <= 460; ++x) innerRingNearby |= Near(ReadPixel(x, y), kRingPixels[0]);
  }
  EXPECT_TRUE(innerRingNearby);
}

TEST_F(CubeCrossGL, DrawsRingsInnerToOuterAndArmsInOrderEachTurnedByAllInnerSwings) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-20, 20, -20, 20, -20, 20);
  glMatrixMode(GL_MODELVIEW);
  for (float t : {0.0f, 0.05f, 0.37f, 2.0f}) {
    // An oblique view, so no face is seen edge-on.
    glLoadIdentity();
    glRotatef(25, 1, 0, 0);
    glRotatef(35, 0, 1, 0);
    const std::vector<ExpectedCube> expected = ExpectedCubes(t);
    std::vector<int> order;
    for (const FeedbackPolygon& polygon : CapturePolygons([t] { DrawCubeCross(t); })) {
      const Vec3 centroid = ObjectCentroid(polygon);
      int nearest = 0;
      for (int i = 1; i < static_cast<int>(expected.size()); ++i) {
        if (Distance(centroid, expected[i].centre) < Distance(centroid, expected[nearest].centre))
          nearest = i;
      }
      // A face's triangle has its centroid within 1.11 of its cube's centre.
      ASSERT_LT(Distance(centroid, expected[nearest].centre), 1.2)
          << "t " << t << ": a polygon belongs to no expected cube";
      for (const FeedbackVertex& v : polygon) {
        ASSERT_LT(expected[nearest].DistanceToCorner(v.object), 1e-3)
            << "t " << t << ": cube " << nearest << " is not where its ring's turns put it";
        ASSERT_FLOAT_EQ(v.r, expected[nearest].ring / 4.0f) << "t " << t;
        ASSERT_EQ(v.g, 1.0f) << "t " << t;
        ASSERT_EQ(v.b, 0.0f) << "t " << t;
      }
      if (order.empty() || order.back() != nearest) order.push_back(nearest);
    }
    ASSERT_EQ(order.size(), expected.size()) << "t " << t;
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
      EXPECT_EQ(order[i], i) << "t " << t << ": cube " << i << " of ring " << expected[i].ring
                             << " drawn in the wrong place";
    }
  }
}
