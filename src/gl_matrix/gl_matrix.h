// 4 x 4 float matrices with the operations of the GL 1.1 matrix stack, each computed with the
// float operations in the order Mesa performs them, so vertices land where Mesa puts them.
#pragma once

#include <array>

// Column-major: element (row, col) at [col * 4 + row], as the GL keeps them.
using GlMatrix = std::array<float, 16>;

GlMatrix IdentityMatrix();
// a times b, each element summed over k = 0 ... 3 in order.
GlMatrix MultiplyMatrices(const GlMatrix& a, const GlMatrix& b);
// The fourth column becomes m times (x, y, z, 1), as glTranslatef.
void TranslateMatrix(GlMatrix& m, float x, float y, float z);
// The first three columns scaled, as glScalef.
void ScaleMatrix(GlMatrix& m, float x, float y, float z);
// m times the rotation glRotatef builds (angle in degrees about the axis (x, y, z)).
void RotateMatrix(GlMatrix& m, float angle, float x, float y, float z);
// m times the parallel projection glOrtho builds.
void OrthoMatrix(GlMatrix& m, float left, float right, float bottom, float top, float nearVal,
                 float farVal);
// m times (x, y, z, 1); out receives clip coordinates.
void TransformPoint(const GlMatrix& m, float x, float y, float z, float out[4]);
// m times the vector v = (x, y, z, w); out receives clip coordinates.
void TransformVector(const GlMatrix& m, const float v[4], float out[4]);
