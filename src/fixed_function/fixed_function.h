// The subset of OpenGL 1.1 the demo draws with, as methods named after the GL calls
// (Translatef for glTranslatef), over a GLES2 context: matrix stacks, triangle strips in
// immediate mode, vertex arrays drawn with glDrawElements, colours, the raster position and
// glyph display lists of glBitmap. Vertices are transformed on the CPU in Mesa's float order
// (gl_matrix.h) and a frame is drawn in few GLES2 draws (frame_batch.h). The web build binds
// the GL's global names to one instance (gl_entry_points.h); other programs, such as the tests
// that hold it against Mesa, call it under these names beside a real GL.
#pragma once

#include <GL/gl.h>

#include <memory>

struct FixedFunctionState;  // fixed_function_state.h

class FixedFunction {
 public:
  FixedFunction();
  ~FixedFunction();
  FixedFunction(const FixedFunction&) = delete;
  FixedFunction& operator=(const FixedFunction&) = delete;

  // Compiles the GLES2 programs on the current context; the GL state is the GL's initial one,
  // but for the viewport, which the layer only learns through Viewport.
  bool Create();
  // Frees what Create made; the same context must be current.
  void Release();
  // Draws what was sent so far.
  void Flush();

  // Matrices, in the current mode's stack (GL_MODELVIEW or GL_PROJECTION).
  void MatrixMode(GLenum mode);
  void LoadIdentity();
  void PushMatrix();
  void PopMatrix();
  void Translatef(GLfloat x, GLfloat y, GLfloat z);
  void Translated(GLdouble x, GLdouble y, GLdouble z);
  void Scalef(GLfloat x, GLfloat y, GLfloat z);
  void Rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
  void MultMatrixf(const GLfloat* m);
  void MultMatrixd(const GLdouble* m);
  void Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble nearVal,
             GLdouble farVal);
  // glGetFloatv of GL_MODELVIEW_MATRIX or GL_PROJECTION_MATRIX; false for any other name.
  bool GetFloatv(GLenum name, GLfloat* values) const;

  // Colour and immediate mode (GL_TRIANGLE_STRIP; other primitives draw nothing). Every
  // triangle is drawn in one colour, flat shading's, whatever the shade model.
  void Color3f(GLfloat r, GLfloat g, GLfloat b);
  void ShadeModel(GLenum mode);
  void Begin(GLenum mode);
  void Vertex3f(GLfloat x, GLfloat y, GLfloat z);
  void End();

  // Vertex arrays: GL_VERTEX_ARRAY of 2 to 4 floats, GL_COLOR_ARRAY of 3 or 4 floats, drawn
  // as GL_TRIANGLES with unsigned byte, short or int indices.
  void EnableClientState(GLenum array);
  void DisableClientState(GLenum array);
  void VertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
  void ColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
  void DrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices);

  // The raster position and bitmaps, directly or through display lists holding one glBitmap
  // each (lists of GL_UNSIGNED_BYTE codes for glCallLists).
  void RasterPos3f(GLfloat x, GLfloat y, GLfloat z);
  GLuint GenLists(GLsizei range);
  void NewList(GLuint list, GLenum mode);
  void EndList();
  void Bitmap(GLsizei width, GLsizei height, GLfloat originX, GLfloat originY, GLfloat moveX,
              GLfloat moveY, const GLubyte* bitmap);
  // Deletes lists list .. list + range - 1 (names without a list are skipped) and frees their
  // bitmaps' place in the glyph texture; bitmaps drawn before are drawn first.
  void DeleteLists(GLuint list, GLsizei range);
  void ListBase(GLuint base);
  void CallLists(GLsizei n, GLenum type, const GLvoid* lists);
  // Of the pixel store, only GL_UNPACK_ALIGNMENT is kept (the others' defaults are assumed).
  void PixelStorei(GLenum name, GLint value);

  // Attribute stacks of what the layer keeps: GL_LIST_BIT (the list base);
  // GL_CLIENT_PIXEL_STORE_BIT (the unpack alignment) and GL_CLIENT_VERTEX_ARRAY_BIT (the
  // arrays). Other groups are pushed and popped with nothing in them.
  void PushAttrib(GLbitfield mask);
  void PopAttrib();
  void PushClientAttrib(GLbitfield mask);
  void PopClientAttrib();

  // GLES2 calls the layer watches without making them: the viewport maps the raster position
  // and bitmaps, and a clear must come after what was drawn before it.
  void Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
  void Clear();

 private:
  std::unique_ptr<FixedFunctionState> state_;
};
