// A test fixture that sends the same GL 1.1 calls to Mesa and to the web's fixed-function
// layer (src/fixed_function) on one offscreen context, for comparing matrices and pixels.
// Calls are written once, as a generic lambda over either MesaCalls or the layer itself,
// whose methods carry the GL's names without the prefix.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
#include <GLES2/gl2.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fixed_function/fixed_function.h"
#include "gl_matrix/camera_matrices.h"
#include "gl_matrix/gl_matrix.h"
#include "offscreen_frame.h"

// Mesa's GL 1.1 and GLU under the layer's method names.
struct MesaCalls {
  void MatrixMode(GLenum mode) { glMatrixMode(mode); }
  void LoadIdentity() { glLoadIdentity(); }
  void PushMatrix() { glPushMatrix(); }
  void PopMatrix() { glPopMatrix(); }
  void Translatef(GLfloat x, GLfloat y, GLfloat z) { glTranslatef(x, y, z); }
  void Translated(GLdouble x, GLdouble y, GLdouble z) { glTranslated(x, y, z); }
  void Scalef(GLfloat x, GLfloat y, GLfloat z) { glScalef(x, y, z); }
  void Rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) { glRotatef(angle, x, y, z); }
  void MultMatrixf(const GLfloat* m) { glMultMatrixf(m); }
  void MultMatrixd(const GLdouble* m) { glMultMatrixd(m); }
  void Ortho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    glOrtho(l, r, b, t, n, f);
  }
  void Color3f(GLfloat r, GLfloat g, GLfloat b) { glColor3f(r, g, b); }
  void ShadeModel(GLenum mode) { glShadeModel(mode); }
  void Begin(GLenum mode) { glBegin(mode); }
  void Vertex3f(GLfloat x, GLfloat y, GLfloat z) { glVertex3f(x, y, z); }
  void End() { glEnd(); }
  void EnableClientState(GLenum array) { glEnableClientState(array); }
  void DisableClientState(GLenum array) { glDisableClientState(array); }
  void VertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* p) {
    glVertexPointer(size, type, stride, p);
  }
  void ColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* p) {
    glColorPointer(size, type, stride, p);
  }
  void DrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    glDrawElements(mode, count, type, indices);
  }
  void RasterPos3f(GLfloat x, GLfloat y, GLfloat z) { glRasterPos3f(x, y, z); }
  GLuint GenLists(GLsizei range) { return glGenLists(range); }
  void NewList(GLuint list, GLenum mode) { glNewList(list, mode); }
  void EndList() { glEndList(); }
  void Bitmap(GLsizei w, GLsizei h, GLfloat ox, GLfloat oy, GLfloat mx, GLfloat my,
              const GLubyte* bits) {
    glBitmap(w, h, ox, oy, mx, my, bits);
  }
  void DeleteLists(GLuint list, GLsizei range) { glDeleteLists(list, range); }
  void ListBase(GLuint base) { glListBase(base); }
  void CallLists(GLsizei n, GLenum type, const GLvoid* lists) { glCallLists(n, type, lists); }
  void PixelStorei(GLenum name, GLint value) { glPixelStorei(name, value); }
  void PushAttrib(GLbitfield mask) { glPushAttrib(mask); }
  void PopAttrib() { glPopAttrib(); }
  void PushClientAttrib(GLbitfield mask) { glPushClientAttrib(mask); }
  void PopClientAttrib() { glPopClientAttrib(); }
};

// GLU's perspective and look-at: Mesa's GLU on Mesa, and on the layer the demo's own factors
// (gl_matrix/camera_matrices.h) multiplied as the demo multiplies them onto the GL's matrices.
inline void Perspective(MesaCalls&, GLdouble fovy, GLdouble aspect, GLdouble zNear,
                        GLdouble zFar) {
  gluPerspective(fovy, aspect, zNear, zFar);
}
inline void Perspective(FixedFunction& layer, GLdouble fovy, GLdouble aspect, GLdouble zNear,
                        GLdouble zFar) {
  GlMatrixD factor;
  if (PerspectiveFactor(fovy, aspect, zNear, zFar, factor)) layer.MultMatrixd(factor.data());
}
inline void LookAt(MesaCalls&, GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx, GLdouble cy,
                   GLdouble cz, GLdouble ux, GLdouble uy, GLdouble uz) {
  gluLookAt(ex, ey, ez, cx, cy, cz, ux, uy, uz);
}
inline void LookAt(FixedFunction& layer, GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx,
                   GLdouble cy, GLdouble cz, GLdouble ux, GLdouble uy, GLdouble uz) {
  layer.MultMatrixf(LookAtRotation(ex, ey, ez, cx, cy, cz, ux, uy, uz).data());
  layer.Translated(-ex, -ey, -ez);
}

class LayerBesideMesa : public OffscreenFrame {
 protected:
  void SetUp() override {
    OffscreenFrame::SetUp();
    ASSERT_TRUE(layer.Create()) << "the layer's GLSL ES programs do not build on Mesa";
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    layer.Viewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glClearColor(1, 1, 1, 1);
  }

  void TearDown() override {
    layer.Release();
    OffscreenFrame::TearDown();
  }

  // The picture the calls draw on a white one, by Mesa and by the layer. The layer's batch
  // leaves its program, buffer and arrays bound; they are unbound for Mesa's next drawing.
  template <typename Calls>
  std::vector<Pixel> DrawnByMesa(const Calls& calls) {
    glClear(GL_COLOR_BUFFER_BIT);
    calls(mesa);
    return ReadPicture();
  }

  template <typename Calls>
  std::vector<Pixel> DrawnByLayer(const Calls& calls) {
    glClear(GL_COLOR_BUFFER_BIT);
    calls(layer);
    layer.Flush();
    std::vector<Pixel> picture = ReadPicture();
    glyphTexture = BoundTextureSize();
    glUseProgram(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    for (GLuint attribute = 0; attribute < 3; ++attribute) glDisableVertexAttribArray(attribute);
    return picture;
  }

  // Draws the calls both ways and expects the same pixels, and some not white, so that a
  // case drawing nothing at all cannot pass unnoticed (unless it is meant to: drawsNothing).
  template <typename Calls>
  void ExpectSamePixels(const std::string& name, const Calls& calls, bool drawsNothing = false) {
    const std::vector<Pixel> expected = DrawnByMesa(calls);
    const std::vector<Pixel> actual = DrawnByLayer(calls);
    int differing = 0;
    int firstDiffering = -1;
    int inked = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      if (!(expected[i] == Pixel{255, 255, 255})) ++inked;
      if (expected[i] == actual[i]) continue;
      if (differing++ == 0) firstDiffering = static_cast<int>(i);
    }
    EXPECT_EQ(differing, 0) << name << ": first at (" << firstDiffering % gResX << ", "
                            << firstDiffering / gResX << "): Mesa "
                            << expected[static_cast<std::size_t>(std::max(firstDiffering, 0))]
                            << ", layer "
                            << actual[static_cast<std::size_t>(std::max(firstDiffering, 0))];
    if (drawsNothing) {
      EXPECT_EQ(inked, 0) << name << ": Mesa drew pixels";
    } else {
      EXPECT_GT(inked, 0) << name << ": Mesa drew nothing, so nothing is compared";
    }
  }

  struct TextureSize {
    GLint width = 0;
    GLint height = 0;
    bool operator==(const TextureSize& other) const {
      return width == other.width && height == other.height;
    }
  };

  // The 2D texture bound now, 0 x 0 for none: after the layer's flush, its glyph texture when
  // the flush drew bitmaps.
  static TextureSize BoundTextureSize() {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    TextureSize size;
    if (bound == 0) return size;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.height);
    return size;
  }

  MesaCalls mesa;
  FixedFunction layer;
  // The layer's glyph texture after the last DrawnByLayer (BoundTextureSize).
  TextureSize glyphTexture;
};
