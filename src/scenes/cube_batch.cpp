// The cube batch: per-cube matrices and vertices computed on the CPU the way the GL computes
// them, and one indexed draw of all triangles in the strips' order.
#include "cube_batch.h"

#include <algorithm>

#include "cube.h"

namespace {

CubeDrawing drawing = CubeDrawing::Batched;

// Column-major 4 x 4 matrices, element (row, col) at [col * 4 + row], as the GL keeps them.
// Every product and sum below is a float operation in the order Mesa's C code performs it;
// double or fused arithmetic here would move vertices by a rounding step and change pixels.
// (This file is compiled without floating-point contraction.)

// glTranslatef: the fourth column becomes m times (x, y, z, 1).
void Translate(GLfloat* m, float x, float y, float z) {
  for (int row = 0; row < 4; ++row) {
    m[12 + row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
  }
}

// glScalef with one factor for all three axes.
void Scale(GLfloat* m, float s) {
  for (int i = 0; i < 12; ++i) m[i] *= s;
}

// a times b, each element summed over k = 0 ... 3 in order.
void Multiply(GLfloat* product, const GLfloat* a, const GLfloat* b) {
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      product[col * 4 + row] = a[row] * b[col * 4] + a[4 + row] * b[col * 4 + 1] +
                               a[8 + row] * b[col * 4 + 2] + a[12 + row] * b[col * 4 + 3];
    }
  }
}

// The triangles the strips break into, as indices into the strip table: triangle k of a strip
// is (k, k + 1, k + 2), with the first two swapped for odd k so that every triangle keeps the
// strip's winding (and with it what culling keeps).
struct StripTriangles {
  GLuint index[(kCubeVertexCount - 2 * (sizeof kCubeStripLengths / sizeof(int))) * 3] = {};
  int count = 0;

  constexpr StripTriangles() {
    int first = 0;
    for (const int length : kCubeStripLengths) {
      for (int k = 0; k + 2 < length; ++k) {
        const int odd = k % 2;
        index[count++] = first + k + odd;
        index[count++] = first + k + 1 - odd;
        index[count++] = first + k + 2;
      }
      first += length;
    }
  }
};

constexpr StripTriangles kTriangles;

}  // namespace

void SetCubeDrawing(CubeDrawing choice) { drawing = choice; }

CubeBatch::CubeBatch() : batched_(drawing == CubeDrawing::Batched) {
  if (!batched_) return;
  glGetFloatv(GL_PROJECTION_MATRIX, projection_);
  ReadModelView();
}

void CubeBatch::SetColour(float r, float g, float b) {
  colour_[0] = r;
  colour_[1] = g;
  colour_[2] = b;
  if (!batched_) glColor3f(r, g, b);
}

void CubeBatch::ReadModelView() {
  if (batched_) glGetFloatv(GL_MODELVIEW_MATRIX, modelView_);
}

void CubeBatch::Add(float x, float y, float z) {
  if (!batched_) {
    glPushMatrix();
    glTranslatef(x, y, z);
    cube();
    glPopMatrix();
    return;
  }
  GLfloat m[16];
  std::copy(modelView_, modelView_ + 16, m);
  Translate(m, x, y, z);
  AddMatrix(m);
}

void CubeBatch::AddScaled(float x, float y, float z, float size) {
  if (!batched_) {
    glPushMatrix();
    glTranslatef(x, y, z);
    glScalef(size, size, size);
    cube();
    glPopMatrix();
    return;
  }
  GLfloat m[16];
  std::copy(modelView_, modelView_ + 16, m);
  Translate(m, x, y, z);
  Scale(m, size);
  AddMatrix(m);
}

void CubeBatch::AddMatrix(const GLfloat* modelView) {
  GLfloat mvp[16];
  Multiply(mvp, projection_, modelView);
  const auto first = static_cast<GLuint>(positions_.size() / 4);
  for (const CubeVertex& v : kCubeStrips) {
    // The vertex's w is 1; its other coordinates are +-1, so each product is exact and only
    // the order of the sums matters.
    for (int row = 0; row < 4; ++row) {
      positions_.push_back(mvp[row] * v.x + mvp[4 + row] * v.y + mvp[8 + row] * v.z +
                           mvp[12 + row]);
    }
    colours_.insert(colours_.end(), colour_, colour_ + 4);
  }
  for (int i = 0; i < kTriangles.count; ++i) indices_.push_back(first + kTriangles.index[i]);
}

void CubeBatch::Draw() {
  if (!batched_ || indices_.empty()) return;
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glPushAttrib(GL_LIGHTING_BIT);
  glShadeModel(GL_FLAT);
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(4, GL_FLOAT, 0, positions_.data());
  glColorPointer(4, GL_FLOAT, 0, colours_.data());
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices_.size()), GL_UNSIGNED_INT,
                 indices_.data());
  glPopClientAttrib();
  glPopAttrib();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glColor3f(colour_[0], colour_[1], colour_[2]);
  positions_.clear();
  colours_.clear();
  indices_.clear();
}
