// The orbit camera. Stored values are floats and the arithmetic between them is double, which
// decides the exact eye a given cursor and clock produce.
#include "orbit_camera.h"

#include <GL/gl.h>

#include <cmath>

#include "gl_matrix/camera_matrices.h"
#include "projection.h"
#include "screen.h"

namespace {

constexpr float kOrbitRadius = 30;
constexpr double kPi = 3.1415926;  // the demo's own value of the circle constant

}  // namespace

MouseOffset ComputeMouseOffset(CursorPos cursor) {
  MouseOffset offset;
  offset.mx = static_cast<float>(static_cast<double>(cursor.x - gResX / 2) / gResX);
  offset.my = static_cast<float>(static_cast<double>(cursor.y - gResY / 2) / gResY);
  return offset;
}

Eye OrbitEye(CameraPath path, MouseOffset offset, float t) {
  const double angle = (offset.mx + offset.mx) * kPi;
  Eye eye;
  eye.y = static_cast<double>(kOrbitRadius) * offset.my;
  if (path == CameraPath::Orbit) {
    eye.x = std::sin(angle) * kOrbitRadius;
    eye.z = std::cos(angle) * kOrbitRadius;
  } else {
    eye.x = std::sin(angle + static_cast<double>(3.0f) * t) * kOrbitRadius;
    eye.z = std::cos(angle - 4.7 * t) * kOrbitRadius;
  }
  return eye;
}

void SetOrbitCamera(CameraPath path, float t, CursorPos cursor) {
  glClearColor(1, 1, 1, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  const Eye eye = OrbitEye(path, ComputeMouseOffset(cursor), t);
  LoadPerspective(gResX, gResY);
  glLoadIdentity();
  glMultMatrixf(LookAtRotation(eye.x, eye.y, eye.z, 0, 0, 0, 0, 1, 0).data());
  glTranslated(-eye.x, -eye.y, -eye.z);
}
