// The layer's lifetime, its matrix stacks and immediate mode. Vertices are taken to clip
// coordinates when they are sent, under the matrices current at glBegin, as the GL does.
#include "fixed_function.h"

#include <algorithm>

#include "fixed_function_state.h"

float ClampColour(float value) { return std::min(1.0f, std::max(0.0f, value)); }

FixedFunction::FixedFunction() : state_(std::make_unique<FixedFunctionState>()) {}

FixedFunction::~FixedFunction() = default;

bool FixedFunction::Create() { return state_->batch.Create(); }

void FixedFunction::Release() { state_->batch.Release(); }

void FixedFunction::Flush() { state_->batch.Flush(); }

// Matrices.

void FixedFunction::MatrixMode(GLenum mode) { state_->matrixMode = mode; }

void FixedFunction::LoadIdentity() { state_->Current() = IdentityMatrix(); }

void FixedFunction::PushMatrix() { state_->CurrentStack().push_back(state_->Current()); }

void FixedFunction::PopMatrix() {
  if (state_->CurrentStack().size() > 1) state_->CurrentStack().pop_back();
}

void FixedFunction::Translatef(GLfloat x, GLfloat y, GLfloat z) {
  TranslateMatrix(state_->Current(), x, y, z);
}

void FixedFunction::Translated(GLdouble x, GLdouble y, GLdouble z) {
  Translatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void FixedFunction::Scalef(GLfloat x, GLfloat y, GLfloat z) {
  ScaleMatrix(state_->Current(), x, y, z);
}

void FixedFunction::Rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  RotateMatrix(state_->Current(), angle, x, y, z);
}

void FixedFunction::MultMatrixf(const GLfloat* m) {
  GlMatrix factor;
  std::copy(m, m + 16, factor.begin());
  state_->Current() = MultiplyMatrices(state_->Current(), factor);
}

void FixedFunction::MultMatrixd(const GLdouble* m) {
  GlMatrix factor;
  std::transform(m, m + 16, factor.begin(), [](double v) { return static_cast<float>(v); });
  state_->Current() = MultiplyMatrices(state_->Current(), factor);
}

void FixedFunction::Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,
                          GLdouble nearVal, GLdouble farVal) {
  OrthoMatrix(state_->Current(), static_cast<float>(left), static_cast<float>(right),
              static_cast<float>(bottom), static_cast<float>(top), static_cast<float>(nearVal),
              static_cast<float>(farVal));
}

bool FixedFunction::GetFloatv(GLenum name, GLfloat* values) const {
  const std::vector<GlMatrix>* stack = nullptr;
  if (name == GL_MODELVIEW_MATRIX) stack = &state_->modelView;
  if (name == GL_PROJECTION_MATRIX) stack = &state_->projection;
  if (stack == nullptr) return false;
  std::copy(stack->back().begin(), stack->back().end(), values);
  return true;
}

// Colour and immediate mode.

void FixedFunction::Color3f(GLfloat r, GLfloat g, GLfloat b) {
  state_->colour[0] = ClampColour(r);
  state_->colour[1] = ClampColour(g);
  state_->colour[2] = ClampColour(b);
}

// Every triangle takes one colour, its last corner's, as flat shading gives it. The demo's
// primitives have one colour each, so smooth shading would draw them alike.
void FixedFunction::ShadeModel(GLenum) {}

void FixedFunction::Begin(GLenum mode) {
  state_->FlushBitmaps();
  state_->inStrip = mode == GL_TRIANGLE_STRIP;
  state_->strip.clear();
  state_->stripMatrix = state_->ModelViewProjection();
}

void FixedFunction::Vertex3f(GLfloat x, GLfloat y, GLfloat z) {
  if (!state_->inStrip) return;
  std::array<float, 4> clip;
  TransformPoint(state_->stripMatrix, x, y, z, clip.data());
  state_->strip.push_back(clip);
}

// Triangle k of a strip is (k, k + 1, k + 2), the first two swapped for odd k, so every
// triangle keeps the strip's winding and with it what culling keeps.
void FixedFunction::End() {
  const auto& v = state_->strip;
  for (std::size_t k = 0; state_->inStrip && k + 2 < v.size(); ++k) {
    const std::size_t odd = k % 2;
    state_->batch.AddVertex(v[k + odd].data(), state_->colour);
    state_->batch.AddVertex(v[k + 1 - odd].data(), state_->colour);
    state_->batch.AddVertex(v[k + 2].data(), state_->colour);
  }
  state_->inStrip = false;
}

// Watched GLES2 calls.

void FixedFunction::Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  state_->viewport[0] = x;
  state_->viewport[1] = y;
  state_->viewport[2] = width;
  state_->viewport[3] = height;
}

void FixedFunction::Clear() { state_->batch.Flush(); }
