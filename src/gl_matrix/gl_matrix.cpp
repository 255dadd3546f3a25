// The GL 1.1 matrix operations in Mesa's float arithmetic (src/mesa/math/m_matrix.c order).
#include "gl_matrix.h"

#include <cmath>

GlMatrix IdentityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

GlMatrix MultiplyMatrices(const GlMatrix& a, const GlMatrix& b) {
  GlMatrix product{};
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      product[col * 4 + row] = a[row] * b[col * 4] + a[4 + row] * b[col * 4 + 1] +
                               a[8 + row] * b[col * 4 + 2] + a[12 + row] * b[col * 4 + 3];
    }
  }
  return product;
}

void TranslateMatrix(GlMatrix& m, float x, float y, float z) {
  for (int row = 0; row < 4; ++row) {
    m[12 + row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
  }
}

void ScaleMatrix(GlMatrix& m, float x, float y, float z) {
  for (int row = 0; row < 4; ++row) {
    m[row] *= x;
    m[4 + row] *= y;
    m[8 + row] *= z;
  }
}

void RotateMatrix(GlMatrix& m, float angle, float x, float y, float z) {
  // The angle in radians is worked out in double and rounded to float for sinf and cosf.
  const auto radians = static_cast<float>(angle * 3.14159265358979323846 / 180.0);
  const float s = std::sin(radians);
  const float c = std::cos(radians);
  GlMatrix r = IdentityMatrix();
  auto at = [&r](int row, int col) -> float& { return r[col * 4 + row]; };
  if (x == 0 && y == 0 && z != 0) {
    at(0, 0) = c;
    at(1, 1) = c;
    at(0, 1) = z < 0 ? s : -s;
    at(1, 0) = z < 0 ? -s : s;
  } else if (x == 0 && y != 0 && z == 0) {
    at(0, 0) = c;
    at(2, 2) = c;
    at(0, 2) = y < 0 ? -s : s;
    at(2, 0) = y < 0 ? s : -s;
  } else if (x != 0 && y == 0 && z == 0) {
    at(1, 1) = c;
    at(2, 2) = c;
    at(1, 2) = x < 0 ? s : -s;
    at(2, 1) = x < 0 ? -s : s;
  } else {
    // An axis too short to have a direction leaves the matrix alone.
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length <= 1.0e-4f) return;
    x /= length;
    y /= length;
    z /= length;
    const float xx = x * x, yy = y * y, zz = z * z;
    const float xy = x * y, yz = y * z, zx = z * x;
    const float xs = x * s, ys = y * s, zs = z * s;
    const float oneC = 1.0f - c;
    at(0, 0) = (oneC * xx) + c;
    at(0, 1) = (oneC * xy) - zs;
    at(0, 2) = (oneC * zx) + ys;
    at(1, 0) = (oneC * xy) + zs;
    at(1, 1) = (oneC * yy) + c;
    at(1, 2) = (oneC * yz) - xs;
    at(2, 0) = (oneC * zx) - ys;
    at(2, 1) = (oneC * yz) + xs;
    at(2, 2) = (oneC * zz) + c;
  }
  m = MultiplyMatrices(m, r);
}

void OrthoMatrix(GlMatrix& m, float left, float right, float bottom, float top, float nearVal,
                 float farVal) {
  GlMatrix o = IdentityMatrix();
  o[0] = 2.0f / (right - left);
  o[12] = -(right + left) / (right - left);
  o[5] = 2.0f / (top - bottom);
  o[13] = -(top + bottom) / (top - bottom);
  o[10] = -2.0f / (farVal - nearVal);
  o[14] = -(farVal + nearVal) / (farVal - nearVal);
  m = MultiplyMatrices(m, o);
}

void TransformPoint(const GlMatrix& m, float x, float y, float z, float out[4]) {
  for (int row = 0; row < 4; ++row) {
    out[row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
  }
}

void TransformVector(const GlMatrix& m, const float v[4], float out[4]) {
  for (int row = 0; row < 4; ++row) {
    out[row] = m[row] * v[0] + m[4 + row] * v[1] + m[8 + row] * v[2] + m[12 + row] * v[3];
  }
}
