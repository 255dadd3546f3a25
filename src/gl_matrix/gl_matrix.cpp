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
  const double radians = angle * 3.14159265358979323846 / 180.0;
  const auto s = static_cast<float>(std::sin(radians));
  const auto c = static_cast<float>(std::cos(radians));
  GlMatrix r = IdentityMatrix();
  auto at = [&r](int row, int col) -> float& { return r[col * 4 + row]; };
  if (x == 0 && y == 0 && z == 0) return;
  if (x == 0 && z == 0) {
    at(0, 0) = c;
    at(2, 2) = c;
    at(0, 2) = y < 0 ? -s : s;
    at(2, 0) = y < 0 ? s : -s;
  } else if (y == 0 && z == 0) {
    at(1, 1) = c;
    at(2, 2) = c;
    at(1, 2) = x < 0 ? s : -s;
    at(2, 1) = x < 0 ? -s : s;
  } else if (x == 0 && y == 0) {
    at(0, 0) = c;
    at(1, 1) = c;
    at(0, 1) = z < 0 ? s : -s;
    at(1, 0) = z < 0 ? -s : s;
  } else {
    const auto length = static_cast<float>(std::sqrt(x * x + y * y + z * z));
    x /= length;
    y /= length;
    z /= length;
    const float oneC = 1.0f - c;
    at(0, 0) = (oneC * x * x) + c;
    at(0, 1) = (oneC * x * y) - z * s;
    at(0, 2) = (oneC * z * x) + y * s;
    at(1, 0) = (oneC * x * y) + z * s;
    at(1, 1) = (oneC * y * y) + c;
    at(1, 2) = (oneC * y * z) - x * s;
    at(2, 0) = (oneC * z * x) - y * s;
    at(2, 1) = (oneC * y * z) + x * s;
    at(2, 2) = (oneC * z * z) + c;
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
