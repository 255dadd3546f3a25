// Collects a frame's cubes and draws them all at once, with exactly the pixels the cubes would
// get if each were sent through cube() under its own model-view matrix.
#pragma once

#include <GL/gl.h>

#include <vector>

#include "gl_matrix/gl_matrix.h"

// How the scenes send their cubes. Batched is the demo's on every platform; Immediate is the
// plain per-cube path (push, translate, scale, cube(), pop) that the tests hold the batch
// against.
enum class CubeDrawing { Batched, Immediate };
void SetCubeDrawing(CubeDrawing drawing);

// Each cube costs the GL one draw call in immediate mode; batched, the whole frame is one
// glDrawElements (GL 1.1 vertex arrays). The batch does on the CPU what the GL does per
// vertex, in the GL's own float operation order (Mesa's matrix code, gl_matrix.h: translate,
// scale, then projection times model-view, then the matrix times the vertex), and hands the
// GL finished clip coordinates under identity matrices, which the GL passes through unchanged. Triangles
// keep the strips' order and winding (no depth test: later cubes cover earlier ones), and
// flat shading hands each cube's colour to its pixels unchanged.
class CubeBatch {
 public:
  // Reads the projection and model-view matrices the cubes will be placed under.
  CubeBatch();
  CubeBatch(const CubeBatch&) = delete;
  CubeBatch& operator=(const CubeBatch&) = delete;

  // The colour of the cubes added next, as glColor3f takes it.
  void SetColour(float r, float g, float b);
  // Takes up a model-view matrix the caller changed since (e.g. with glRotatef).
  void ReadModelView();
  // A cube translated to (x, y, z), as glTranslatef then cube() would draw it.
  void Add(float x, float y, float z);
  // The same, scaled by size on every axis after the translation.
  void AddScaled(float x, float y, float z, float size);
  // Draws what was added and leaves the GL as the per-cube path would: same matrices, the
  // last colour current.
  void Draw();

 private:
  void AddMatrix(const GlMatrix& modelView);

  bool batched_;
  GlMatrix projection_{};
  GlMatrix modelView_{};
  GLfloat colour_[4] = {1, 1, 1, 1};
  std::vector<GLfloat> positions_;  // four clip coordinates per vertex
  std::vector<GLfloat> colours_;    // RGBA per vertex
  std::vector<GLuint> indices_;     // three per triangle
};
