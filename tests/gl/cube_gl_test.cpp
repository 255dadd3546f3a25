// The cube primitive on a real GL context: which faces survive the demo's front-face culling,
// that it sends positions only, and that a cube scaled to nothing draws nothing.
#include <GL/glu.h>

#include <array>
#include <cmath>
#include <map>
#include <set>

#include "feedback.h"
#include "offscreen_frame.h"
#include "scenes/cube.h"

namespace {

// A face of the cube: the axis it is perpendicular to (0 = x, 1 = y, 2 = z) and its side.
using Face = std::pair<int, int>;

double Component(const Vec3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// The face all of a polygon's vertices lie on; axis -1 when they share none.
Face FaceOf(const FeedbackPolygon& polygon) {
  for (int axis = 0; axis < 3; ++axis) {
    for (int side : {-1, 1}) {
      bool onFace = true;
      for (const FeedbackVertex& v : polygon) {
        onFace = onFace && std::fabs(Component(v.object, axis) - side) < 1e-3;
      }
      if (onFace) return {axis, side};
    }
  }
  return {-1, 0};
}

std::array<Vec3, 4> Corners(Face face) {
  std::array<Vec3, 4> corners;
  const int u = (face.first + 1) % 3;
  const int v = (face.first + 2) % 3;
  const int signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};  // around the face
  for (int i = 0; i < 4; ++i) {
    double c[3];
    c[face.first] = face.second;
    c[u] = signs[i][0];
    c[v] = signs[i][1];
    corners[i] = {c[0], c[1], c[2]};
  }
  return corners;
}

// The window area the whole face covers under the current matrices.
double ProjectedArea(Face face) {
  GLdouble modelView[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  FeedbackPolygon quad(4);
  const std::array<Vec3, 4> corners = Corners(face);
  for (int i = 0; i < 4; ++i) {
    Vec3& w = quad[i].window;
    gluProject(corners[i].x, corners[i].y, corners[i].z, modelView, projection, viewport, &w.x,
               &w.y, &w.z);
  }
  return WindowArea(quad);
}

std::tuple<long, long, long> Rounded(const Vec3& v) {
  return {std::lround(v.x), std::lround(v.y), std::lround(v.z)};
}

double ObjectArea(const FeedbackPolygon& triangle) {
  const Vec3 &a = triangle[0].object, &b = triangle[1].object, &c = triangle[2].object;
  const Vec3 ab{b.x - a.x, b.y - a.y, b.z - a.z}, ac{c.x - a.x, c.y - a.y, c.z - a.z};
  const Vec3 cross{ab.y * ac.z - ab.z * ac.y, ab.z * ac.x - ab.x * ac.z, ab.x * ac.y - ab.y * ac.x};
  return std::sqrt(cross.x * cross.x + cross.y * cross.y + cross.z * cross.z) / 2;
}

void LookAtCubeFrom(const Vec3& eye) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const bool onVerticalAxis = eye.x == 0 && eye.z == 0;
  gluLookAt(eye.x, eye.y, eye.z, 0, 0, 0, 0, onVerticalAxis ? 0 : 1, onVerticalAxis ? 1 : 0);
}

}  // namespace

using CubeGL = OffscreenFrame;

TEST_F(CubeGL, FromOutsideOnlyTheFacesTurnedTowardsTheEyeSurviveCulling) {
  // Eyes that see one face, two faces and three faces, from all sides.
  const Vec3 eyes[] = {{0, 0, 6},   {0.5, 0.5, 6}, {-6, 0.5, 0}, {0, -7, 0},  {4, 0, 4},
                       {0, -4, -4}, {-5, 3, 0},    {3, 3, 3},    {-3, 4, -5}, {2, -3, 4}};
  for (const Vec3& eye : eyes) {
    LookAtCubeFrom(eye);
    std::map<Face, double> area;
    std::map<Face, std::set<std::tuple<long, long, long>>> vertices;
    for (const FeedbackPolygon& polygon : CapturePolygons(cube)) {
      const Face face = FaceOf(polygon);
      area[face] += WindowArea(polygon);
      for (const FeedbackVertex& v : polygon) vertices[face].insert(Rounded(v.object));
    }
    std::set<Face> expectedFaces;
    for (int axis = 0; axis < 3; ++axis) {
      for (int side : {-1, 1}) {
        if (Component(eye, axis) * side > 1) expectedFaces.insert({axis, side});
      }
    }
    ASSERT_GE(expectedFaces.size(), 1u);
    ASSERT_LE(expectedFaces.size(), 3u);
    std::set<Face> drawnFaces;
    for (const auto& [face, faceArea] : area) drawnFaces.insert(face);
    EXPECT_EQ(drawnFaces, expectedFaces) << "eye " << eye.x << ", " << eye.y << ", " << eye.z;
    for (const Face& face : expectedFaces) {
      EXPECT_NEAR(area[face], ProjectedArea(face), 1e-3 * ProjectedArea(face) + 0.5)
          << "face " << face.first << "/" << face.second << " from eye " << eye.x << ", " << eye.y
          << ", " << eye.z;
      std::set<std::tuple<long, long, long>> corners;
      for (const Vec3& corner : Corners(face)) corners.insert(Rounded(corner));
      EXPECT_EQ(vertices[face], corners);
    }
  }
}

TEST_F(CubeGL, WithoutCullingEveryFaceIsCoveredOnceAndInTheCallersColour) {
  glDisable(GL_CULL_FACE);
  LookAtCubeFrom({3, 4, 5});
  glColor3f(0.25f, 0.5f, 0.75f);
  std::map<Face, double> area;
  for (const FeedbackPolygon& polygon : CapturePolygons(cube)) {
    area[FaceOf(polygon)] += ObjectArea(polygon);
    for (const FeedbackVertex& v : polygon) {
      ASSERT_EQ(v.r, 0.25f);
      ASSERT_EQ(v.g, 0.5f);
      ASSERT_EQ(v.b, 0.75f);
    }
  }
  ASSERT_EQ(area.size(), 6u) << "a polygon off the faces, or a face missing";
  for (const auto& [face, faceArea] : area) {
    EXPECT_NEAR(faceArea, 4, 1e-3) << "face " << face.first << "/" << face.second;
  }
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[2], 0.75f) << "cube changed the current colour";
}

TEST_F(CubeGL, ScaledToNothingItCoversNoAreaAndNoPixel) {
  LookAtCubeFrom({3, 4, 5});
  glColor3f(0, 0, 0);
  double area = 0;
  const auto drawVanishedCube = [] {
    glPushMatrix();
    glScalef(0, 0, 0);
    cube();
    glPopMatrix();
  };
  for (const FeedbackPolygon& polygon : CapturePolygons(drawVanishedCube)) {
    area += WindowArea(polygon);
  }
  EXPECT_EQ(area, 0);

  glClearColor(1, 1, 1, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  drawVanishedCube();
  const Pixel white{255, 255, 255};
  for (const Pixel& pixel : ReadPicture()) ASSERT_EQ(pixel, white);
  // The same cube at full size does cover the picture's centre.
  cube();
  EXPECT_EQ(ReadPixel(400, 300), (Pixel{0, 0, 0}));
}
