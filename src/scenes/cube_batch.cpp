// The cube batch: per-cube matrices and vertices computed on the CPU the way the GL computes
// them, and one indexed draw of all triangles in the strips' order.
#include "cube_batch.h"

#include "cube.h"
#include "gl_matrix/gl_matrix.h"

namespace {

CubeDrawing drawing = CubeDrawing::Batched;

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
  glGetFloatv(GL_PROJECTION_MATRIX, projection_.data());
  ReadModelView();
}

void CubeBatch::SetColour(float r, float g, float b) {
  colour_[0] = r;
  colour_[1] = g;
  colour_[2] = b;
  if (!batched_) glColor3f(r, g, b);
}

void CubeBatch::ReadModelView() {
  if (batched_) glGetFloatv(GL_MODELVIEW_MATRIX, modelView_.data());
}

void CubeBatch::Add(float x, float y, float z) {
  if (!batched_) {
    glPushMatrix();
    glTranslatef(x, y, z);
    cube();
    glPopMatrix();
    return;
  }
  GlMatrix m = modelView_;
  TranslateMatrix(m, x, y, z);
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
  GlMatrix m = modelView_;
  TranslateMatrix(m, x, y, z);
  ScaleMatrix(m, size, size, size);
  AddMatrix(m);
}

void CubeBatch::AddMatrix(const GlMatrix& modelView) {
  const GlMatrix mvp = MultiplyMatrices(projection_, modelView);
  const auto first = static_cast<GLuint>(positions_.size() / 4);
  for (const CubeVertex& v : kCubeStrips) {
    float clip[4];
    TransformPoint(mvp, v.x, v.y, v.z, clip);
    positions_.insert(positions_.end(), clip, clip + 4);
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
