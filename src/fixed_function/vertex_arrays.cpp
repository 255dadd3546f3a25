// GL 1.1 vertex arrays: positions and colours read from the caller's arrays at glDrawElements,
// transformed and coloured as the GL does, and added to the frame's triangles.
#include <algorithm>

#include "fixed_function.h"
#include "fixed_function_state.h"

namespace {

ClientArray* ArrayNamed(FixedFunctionState& state, GLenum array) {
  if (array == GL_VERTEX_ARRAY) return &state.client.vertices;
  if (array == GL_COLOR_ARRAY) return &state.client.colours;
  return nullptr;
}

void Point(ClientArray& array, GLint size, GLsizei stride, const GLvoid* pointer) {
  array.size = size;
  array.stride = stride;
  array.pointer = pointer;
}

// Element `index` of an array of floats, with the components it lacks taken from `fill`
// (z = 0 and w = 1 for positions, alpha = 1 for colours).
void ReadElement(const ClientArray& array, GLuint index, const float fill[4], float out[4]) {
  const GLsizei stride =
      array.stride != 0 ? array.stride : array.size * static_cast<GLsizei>(sizeof(float));
  const auto* element =
      reinterpret_cast<const float*>(static_cast<const char*>(array.pointer) + index * stride);
  for (int i = 0; i < 4; ++i) out[i] = i < array.size ? element[i] : fill[i];
}

GLuint IndexAt(const GLvoid* indices, GLenum type, GLsizei i) {
  if (type == GL_UNSIGNED_BYTE) return static_cast<const GLubyte*>(indices)[i];
  if (type == GL_UNSIGNED_SHORT) return static_cast<const GLushort*>(indices)[i];
  return static_cast<const GLuint*>(indices)[i];
}

}  // namespace

void FixedFunction::EnableClientState(GLenum array) {
  if (ClientArray* named = ArrayNamed(*state_, array)) named->enabled = true;
}

void FixedFunction::DisableClientState(GLenum array) {
  if (ClientArray* named = ArrayNamed(*state_, array)) named->enabled = false;
}

void FixedFunction::VertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  if (type == GL_FLOAT && size >= 2 && size <= 4) {
    Point(state_->client.vertices, size, stride, pointer);
  }
}

void FixedFunction::ColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  if (type == GL_FLOAT && (size == 3 || size == 4)) {
    Point(state_->client.colours, size, stride, pointer);
  }
}

// Each triangle's corners in clip coordinates, in the colour of its last corner (the GL's
// provoking vertex, whose colour flat shading gives the whole triangle); without a colour
// array, in the current colour.
void FixedFunction::DrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
  const ClientArray& vertices = state_->client.vertices;
  const ClientArray& colours = state_->client.colours;
  const bool knownType =
      type == GL_UNSIGNED_BYTE || type == GL_UNSIGNED_SHORT || type == GL_UNSIGNED_INT;
  if (mode != GL_TRIANGLES || !knownType || !vertices.enabled || vertices.pointer == nullptr) {
    return;
  }
  state_->FlushBitmaps();
  const GlMatrix mvp = state_->ModelViewProjection();
  const bool coloured = colours.enabled && colours.pointer != nullptr;
  const float positionFill[4] = {0, 0, 0, 1};
  const float colourFill[4] = {0, 0, 0, 1};
  for (GLsizei first = 0; first + 3 <= count; first += 3) {
    float clip[3][4];
    for (int corner = 0; corner < 3; ++corner) {
      float position[4];
      ReadElement(vertices, IndexAt(indices, type, first + corner), positionFill, position);
      TransformVector(mvp, position, clip[corner]);
    }
    float colour[4];
    if (coloured) {
      ReadElement(colours, IndexAt(indices, type, first + 2), colourFill, colour);
      for (int c = 0; c < 3; ++c) colour[c] = ClampColour(colour[c]);
    } else {
      std::copy(state_->colour, state_->colour + 3, colour);
    }
    for (int corner = 0; corner < 3; ++corner) state_->batch.AddVertex(clip[corner], colour);
  }
}
