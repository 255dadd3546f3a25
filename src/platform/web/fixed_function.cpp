// OpenGL 1.1 and GLU entry points for the web build. Only what the demo calls is here; the
// other GL calls it makes (viewport, clear, culling) are WebGL's own.
#include "fixed_function.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "frame_batch.h"
#include "gl_matrix/gl_matrix.h"

// WebGL's own versions of the calls this layer takes over.
extern "C" {
void emscripten_glClear(GLbitfield mask);
void emscripten_glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void emscripten_glViewport(GLint x, GLint y, GLsizei width, GLsizei height);
}

namespace {

struct RasterPosition {
  float x = 0;
  float y = 0;
  bool valid = true;
  float colour[3] = {1, 1, 1};
};

struct State {
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
  // Display lists: each list holds one glBitmap (the font's glyphs).
  struct Bitmap {
    int image = 0;
    float originX = 0;
    float originY = 0;
    float moveX = 0;
    float moveY = 0;
  };
  std::map<GLuint, Bitmap> lists;
  GLuint nextList = 1;
  GLuint compiling = 0;  // the list being compiled; 0: none
  GLuint listBase = 0;
  std::vector<GLuint> listBaseStack;
  GLint unpackAlignment = 4;
  std::vector<GLint> unpackAlignmentStack;
};

State* state = nullptr;

std::vector<GlMatrix>& CurrentStack() {
  return state->matrixMode == GL_PROJECTION ? state->projection : state->modelView;
}

GlMatrix& Current() { return CurrentStack().back(); }

float Clamp(float value) { return std::min(1.0f, std::max(0.0f, value)); }

// Triangle k of a strip is (k, k + 1, k + 2), the first two swapped for odd k, so every
// triangle keeps the strip's winding and with it what culling keeps.
void EmitStrip() {
  const auto& v = state->strip;
  for (std::size_t k = 0; k + 2 < v.size(); ++k) {
    const std::size_t odd = k % 2;
    state->batch.AddVertex(v[k + odd].data(), state->colour);
    state->batch.AddVertex(v[k + 1 - odd].data(), state->colour);
    state->batch.AddVertex(v[k + 2].data(), state->colour);
  }
}

// Unpacks glBitmap's rows (leftmost pixel in the high bit, rows padded to the unpack alignment).
BitmapImage Unpack(GLsizei width, GLsizei height, const GLubyte* rows) {
  BitmapImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<std::size_t>(width) * height);
  const int alignment = state->unpackAlignment;
  const int stride = ((width + 7) / 8 + alignment - 1) / alignment * alignment;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const GLubyte byte = rows[y * stride + x / 8];
      image.pixels[static_cast<std::size_t>(y) * width + x] = (byte >> (7 - x % 8)) & 1;
    }
  }
  return image;
}

// Where glBitmap puts a bitmap: the GL floors the raster position plus a small epsilon minus
// the origin, then moves the raster position by float additions.
void DrawBitmap(const State::Bitmap& bitmap) {
  RasterPosition& raster = state->raster;
  if (!raster.valid) return;
  constexpr float kEpsilon = 0.0001f;
  if (state->compiling == 0) {
    const auto left = static_cast<int>(std::floor(raster.x + kEpsilon - bitmap.originX));
    const auto bottom = static_cast<int>(std::floor(raster.y + kEpsilon - bitmap.originY));
    state->batch.AddBitmap(bitmap.image, left, bottom, state->viewport[2], state->viewport[3],
                           raster.colour);
  }
  raster.x += bitmap.moveX;
  raster.y += bitmap.moveY;
}

}  // namespace

bool StartFixedFunction() {
  delete state;
  state = new State;
  return state->batch.Create();
}

void FlushFixedFunction() {
  if (state != nullptr) state->batch.Flush();
}

void StopFixedFunction() {
  if (state == nullptr) return;
  state->batch.Release();
  delete state;
  state = nullptr;
}

// Matrices.

void glMatrixMode(GLenum mode) { state->matrixMode = mode; }
void glLoadIdentity() { Current() = IdentityMatrix(); }
void glPushMatrix() { CurrentStack().push_back(Current()); }
void glPopMatrix() {
  if (CurrentStack().size() > 1) CurrentStack().pop_back();
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { TranslateMatrix(Current(), x, y, z); }
void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
  TranslateMatrix(Current(), static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) { ScaleMatrix(Current(), x, y, z); }
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  RotateMatrix(Current(), angle, x, y, z);
}
void glMultMatrixf(const GLfloat* m) {
  GlMatrix factor;
  std::copy(m, m + 16, factor.begin());
  Current() = MultiplyMatrices(Current(), factor);
}
void glMultMatrixd(const GLdouble* m) {
  GlMatrix factor;
  std::transform(m, m + 16, factor.begin(), [](double v) { return static_cast<float>(v); });
  Current() = MultiplyMatrices(Current(), factor);
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble nearVal,
             GLdouble farVal) {
  OrthoMatrix(Current(), static_cast<float>(left), static_cast<float>(right),
              static_cast<float>(bottom), static_cast<float>(top), static_cast<float>(nearVal),
              static_cast<float>(farVal));
}

// GLU's perspective and look-at, in GLU's own arithmetic (double for the perspective, float
// vectors for the look-at).
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
  const double radians = fovy / 2 * 3.14159265358979323846 / 180;
  const double deltaZ = zFar - zNear;
  const double sine = std::sin(radians);
  if (deltaZ == 0 || sine == 0 || aspect == 0) return;
  const double cotangent = std::cos(radians) / sine;
  GLdouble m[16] = {};  // column-major, as glMultMatrixd takes it
  m[0] = cotangent / aspect;
  m[5] = cotangent;
  m[10] = -(zFar + zNear) / deltaZ;
  m[11] = -1;
  m[14] = -2 * zNear * zFar / deltaZ;
  glMultMatrixd(m);
}

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

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
               GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
  float forward[3] = {static_cast<float>(centerX - eyeX), static_cast<float>(centerY - eyeY),
                      static_cast<float>(centerZ - eyeZ)};
  float up[3] = {static_cast<float>(upX), static_cast<float>(upY), static_cast<float>(upZ)};
  float side[3];
  Normalize(forward);
  Cross(forward, up, side);
  Normalize(side);
  Cross(side, forward, up);
  const GLfloat m[16] = {side[0], up[0], -forward[0], 0, side[1], up[1], -forward[1], 0,
                         side[2], up[2], -forward[2], 0, 0,       0,     0,           1};
  glMultMatrixf(m);
  glTranslated(-eyeX, -eyeY, -eyeZ);
}

// Colour and immediate mode. Colours are clamped as the GL clamps vertex colours.

void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
  state->colour[0] = Clamp(r);
  state->colour[1] = Clamp(g);
  state->colour[2] = Clamp(b);
}

void glBegin(GLenum) {
  // Bitmaps drawn before these triangles must stay under them.
  if (state->batch.HasBitmaps()) state->batch.Flush();
  state->inStrip = true;
  state->strip.clear();
  state->stripMatrix = MultiplyMatrices(state->projection.back(), state->modelView.back());
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
  if (!state->inStrip) return;
  std::array<float, 4> clip;
  TransformPoint(state->stripMatrix, x, y, z, clip.data());
  state->strip.push_back(clip);
}

void glEnd() {
  EmitStrip();
  state->inStrip = false;
}

// The raster position, transformed as a vertex and mapped to window pixels. A point outside
// the view volume makes it invalid, and bitmaps are then not drawn.
void glRasterPos3f(GLfloat x, GLfloat y, GLfloat z) {
  float clip[4];
  TransformPoint(MultiplyMatrices(state->projection.back(), state->modelView.back()), x, y, z,
                 clip);
  RasterPosition& raster = state->raster;
  const float w = clip[3];
  raster.valid = std::abs(clip[0]) <= w && std::abs(clip[1]) <= w && std::abs(clip[2]) <= w;
  const float halfWidth = state->viewport[2] / 2.0f;
  const float halfHeight = state->viewport[3] / 2.0f;
  raster.x = clip[0] / w * halfWidth + (state->viewport[0] + halfWidth);
  raster.y = clip[1] / w * halfHeight + (state->viewport[1] + halfHeight);
  std::copy(state->colour, state->colour + 3, raster.colour);
}

// Display lists of bitmaps.

GLuint glGenLists(GLsizei range) {
  const GLuint first = state->nextList;
  state->nextList += static_cast<GLuint>(range);
  return first;
}

void glNewList(GLuint list, GLenum) { state->compiling = list; }
void glEndList() { state->compiling = 0; }

void glBitmap(GLsizei width, GLsizei height, GLfloat originX, GLfloat originY, GLfloat moveX,
              GLfloat moveY, const GLubyte* bitmap) {
  State::Bitmap entry{state->batch.KeepBitmap(Unpack(width, height, bitmap)), originX, originY,
                      moveX, moveY};
  if (state->compiling != 0) {
    state->lists[state->compiling] = entry;
  } else {
    DrawBitmap(entry);
  }
}

void glListBase(GLuint base) { state->listBase = base; }

void glCallLists(GLsizei n, GLenum, const GLvoid* lists) {
  const auto* codes = static_cast<const GLubyte*>(lists);
  for (GLsizei i = 0; i < n; ++i) {
    const auto found = state->lists.find(state->listBase + codes[i]);
    if (found != state->lists.end()) DrawBitmap(found->second);
  }
}

// The attribute stacks hold what the demo saves: the list base and the unpack alignment.

void glPushAttrib(GLbitfield) { state->listBaseStack.push_back(state->listBase); }
void glPopAttrib() {
  if (state->listBaseStack.empty()) return;
  state->listBase = state->listBaseStack.back();
  state->listBaseStack.pop_back();
}
void glPushClientAttrib(GLbitfield) {
  state->unpackAlignmentStack.push_back(state->unpackAlignment);
}
void glPopClientAttrib() {
  if (state->unpackAlignmentStack.empty()) return;
  state->unpackAlignment = state->unpackAlignmentStack.back();
  state->unpackAlignmentStack.pop_back();
}

// Only glBitmap reads client memory as pixels, and WebGL lacks most of GL 1.1's pixel store.
void glPixelStorei(GLenum name, GLint value) {
  if (name == GL_UNPACK_ALIGNMENT) state->unpackAlignment = value;
}

// WebGL calls this layer watches: the viewport maps the raster position; a clear must come
// after what was drawn before it; the canvas is composited with the page, so it stays opaque.

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  state->viewport[0] = x;
  state->viewport[1] = y;
  state->viewport[2] = width;
  state->viewport[3] = height;
  emscripten_glViewport(x, y, width, height);
}

void glClear(GLbitfield mask) {
  state->batch.Flush();
  emscripten_glClear(mask);
}

void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf) {
  emscripten_glClearColor(r, g, b, 1);
}

// Shading and vertex arrays. Every primitive this layer draws takes one colour (glColor3f's at
// glEnd), which is what flat shading gives for the demo's one-colour strips, so the shade model
// changes nothing. The layer takes no vertex arrays: the web build sends its cubes strip by
// strip (CubeDrawing::Immediate), and a client array enabled anyway stops the page loudly
// rather than drawing through WebGL under the wrong matrices.
void glShadeModel(GLenum) {}

void glEnableClientState(GLenum) {
  std::fputs("The page's GL layer has no vertex arrays (select CubeDrawing::Immediate)\n", stderr);
  std::abort();
}

void glColorPointer(GLint, GLenum, GLsizei, const GLvoid*) { glEnableClientState(GL_COLOR_ARRAY); }
