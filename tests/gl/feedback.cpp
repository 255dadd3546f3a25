// GL feedback capture for the drawing tests.
#include "feedback.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Room for every cell of the blob grid with all faces of every cube.
constexpr std::size_t kBufferFloats = 4096 * 12 * (2 + 3 * 7);
constexpr int kFloatsPerVertex = 7;  // GL_3D_COLOR in RGBA mode: x, y, z, r, g, b, a

}  // namespace

std::vector<FeedbackPolygon> CapturePolygons(const std::function<void()>& draw) {
  GLdouble modelView[16];
  GLdouble projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);

  std::vector<GLfloat> buffer(kBufferFloats);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  EXPECT_GE(used, 0) << "the feedback buffer overflowed";

  std::vector<FeedbackPolygon> polygons;
  for (GLint i = 0; i < used;) {
    const auto token = static_cast<GLenum>(buffer[i++]);
    if (token != GL_POLYGON_TOKEN) {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
    const int count = static_cast<int>(buffer[i++]);
    FeedbackPolygon polygon;
    for (int v = 0; v < count; ++v, i += kFloatsPerVertex) {
      FeedbackVertex vertex;
      vertex.window = {buffer[i], buffer[i + 1], buffer[i + 2]};
      gluUnProject(vertex.window.x, vertex.window.y, vertex.window.z, modelView, projection,
                   viewport, &vertex.object.x, &vertex.object.y, &vertex.object.z);
      vertex.r = buffer[i + 3];
      vertex.g = buffer[i + 4];
      vertex.b = buffer[i + 5];
      polygon.push_back(vertex);
    }
    polygons.push_back(polygon);
  }
  return polygons;
}

double WindowArea(const FeedbackPolygon& polygon) {
  double twiceArea = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vec3& a = polygon[i].window;
    const Vec3& b = polygon[(i + 1) % polygon.size()].window;
    twiceArea += a.x * b.y - b.x * a.y;
  }
  return std::fabs(twiceArea) / 2;
}

Vec3 ObjectCentroid(const FeedbackPolygon& polygon) {
  Vec3 sum;
  for (const FeedbackVertex& vertex : polygon) {
    sum.x += vertex.object.x;
    sum.y += vertex.object.y;
    sum.z += vertex.object.z;
  }
  const double n = static_cast<double>(polygon.size());
  return {sum.x / n, sum.y / n, sum.z / n};
}
