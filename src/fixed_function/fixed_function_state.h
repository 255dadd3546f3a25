// The state behind a FixedFunction, shared by the source files that implement its calls.
#pragma once

#include <GL/gl.h>

#include <array>
#include <map>
#include <vector>

#include "frame_batch.h"
#include "gl_matrix/gl_matrix.h"

struct RasterPosition {
  float x = 0;
  float y = 0;
  bool valid = true;
  float colour[3] = {1, 1, 1};
};

// A display list: the one glBitmap the demo's font compiles into each.
struct BitmapList {
  int image = 0;  // FrameBatch::KeepBitmap's number
  float originX = 0;
  float originY = 0;
  float moveX = 0;
  float moveY = 0;
};

// Where glVertexPointer or glColorPointer left an array.
struct ClientArray {
  bool enabled = false;
  GLint size = 4;
  GLsizei stride = 0;  // in bytes; 0: tightly packed
  const GLvoid* pointer = nullptr;
};

// The server attributes the layer keeps, as glPushAttrib saves them.
struct ServerAttributes {
  GLbitfield mask = 0;
  GLuint listBase = 0;
};

// The client attributes the layer keeps, as glPushClientAttrib saves them.
struct ClientAttributes {
  GLbitfield mask = 0;
  GLint unpackAlignment = 4;
  ClientArray vertices;
  ClientArray colours;
};

struct FixedFunctionState {
  FrameBatch batch;
  std::vector<GlMatrix> modelView{IdentityMatrix()};
  std::vector<GlMatrix> projection{IdentityMatrix()};
  GLenum matrixMode = GL_MODELVIEW;
  float colour[3] = {1, 1, 1};
  int viewport[4] = {0, 0, 0, 0};
  // Immediate mode: the strip's vertices so far, in clip coordinates.
  bool inStrip = false;
  std::vector<std::array<float, 4>> strip;
  GlMatrix stripMatrix{};
  RasterPosition raster;
  std::map<GLuint, BitmapList> lists;
  GLuint nextList = 1;
  GLuint compiling = 0;  // the list being compiled; 0: none
  ServerAttributes server;
  ClientAttributes client;
  std::vector<ServerAttributes> serverStack;
  std::vector<ClientAttributes> clientStack;

  std::vector<GlMatrix>& CurrentStack() {
    return matrixMode == GL_PROJECTION ? projection : modelView;
  }
  GlMatrix& Current() { return CurrentStack().back(); }
  // Projection times model-view, as the GL applies them to a vertex.
  GlMatrix ModelViewProjection() const {
    return MultiplyMatrices(projection.back(), modelView.back());
  }
  // Bitmaps drawn so far must stay under triangles drawn next.
  void FlushBitmaps() {
    if (batch.HasBitmaps()) batch.Flush();
  }
};

// Colours are clamped to [0, 1] as the GL clamps vertex colours.
float ClampColour(float value);
