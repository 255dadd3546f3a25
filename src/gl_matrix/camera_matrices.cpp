// GLU's perspective and look-at factors, computed as GLU computes them.
#include "camera_matrices.h"

#include <cmath>

namespace {

void Normalize(float v[3]) {
  const auto r = static_cast<float>(std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
  if (r == 0) return;
  v[0] /= r;
  v[1] /= r;
  v[2] /= r;
}

void Cross(const float a[3], const float b[3], float out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

}  // namespace

bool PerspectiveFactor(double fovy, double aspect, double zNear, double zFar, GlMatrixD& out) {
  const double radians = fovy / 2 * 3.14159265358979323846 / 180;
  const double deltaZ = zFar - zNear;
  const double sine = std::sin(radians);
  if (deltaZ == 0 || sine == 0 || aspect == 0) return false;
  const double cotangent = std::cos(radians) / sine;
  out = {};
  out[0] = cotangent / aspect;
  out[5] = cotangent;
  out[10] = -(zFar + zNear) / deltaZ;
  out[11] = -1;
  out[14] = -2 * zNear * zFar / deltaZ;
  return true;
}

GlMatrix LookAtRotation(double eyeX, double eyeY, double eyeZ, double centerX, double centerY,
                        double centerZ, double upX, double upY, double upZ) {
  float forward[3] = {static_cast<float>(centerX - eyeX), static_cast<float>(centerY - eyeY),
                      static_cast<float>(centerZ - eyeZ)};
  float up[3] = {static_cast<float>(upX), static_cast<float>(upY), static_cast<float>(upZ)};
  float side[3];
  Normalize(forward);
  Cross(forward, up, side);
  Normalize(side);
  Cross(side, forward, up);
  return {side[0], up[0], -forward[0], 0, side[1], up[1], -forward[1], 0,
          side[2], up[2], -forward[2], 0, 0,       0,     0,           1};
}
