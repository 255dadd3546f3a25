// The global OpenGL 1.1 names of gl_entry_points.h, each handed to the one layer;
// where the layer only watches a call, WebGL's own version (emscripten_gl*) is made after it.
#include "gl_entry_points.h"

#include <GL/gl.h>

#include "fixed_function.h"

extern "C" {
void emscripten_glClear(GLbitfield mask);
void emscripten_glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void emscripten_glGetFloatv(GLenum name, GLfloat* values);
void emscripten_glViewport(GLint x, GLint y, GLsizei width, GLsizei height);
}

namespace {

FixedFunction* layer = nullptr;

}  // namespace

bool StartFixedFunction() {
  delete layer;
  layer = new FixedFunction;
  return layer->Create();
}

void FlushFixedFunction() {
  if (layer != nullptr) layer->Flush();
}

void StopFixedFunction() {
  if (layer == nullptr) return;
  layer->Release();
  delete layer;
  layer = nullptr;
}

void glMatrixMode(GLenum mode) { layer->MatrixMode(mode); }
void glLoadIdentity() { layer->LoadIdentity(); }
void glPushMatrix() { layer->PushMatrix(); }
void glPopMatrix() { layer->PopMatrix(); }
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { layer->Translatef(x, y, z); }
void glTranslated(GLdouble x, GLdouble y, GLdouble z) { layer->Translated(x, y, z); }
void glScalef(GLfloat x, GLfloat y, GLfloat z) { layer->Scalef(x, y, z); }
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) { layer->Rotatef(angle, x, y, z); }
void glMultMatrixf(const GLfloat* m) { layer->MultMatrixf(m); }
void glMultMatrixd(const GLdouble* m) { layer->MultMatrixd(m); }
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble nearVal,
             GLdouble farVal) {
  layer->Ortho(left, right, bottom, top, nearVal, farVal);
}
void glGetFloatv(GLenum name, GLfloat* values) {
  if (!layer->GetFloatv(name, values)) emscripten_glGetFloatv(name, values);
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) { layer->Color3f(r, g, b); }
void glShadeModel(GLenum mode) { layer->ShadeModel(mode); }
void glBegin(GLenum mode) { layer->Begin(mode); }
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { layer->Vertex3f(x, y, z); }
void glEnd() { layer->End(); }

void glEnableClientState(GLenum array) { layer->EnableClientState(array); }
void glDisableClientState(GLenum array) { layer->DisableClientState(array); }
void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  layer->VertexPointer(size, type, stride, pointer);
}
void glColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  layer->ColorPointer(size, type, stride, pointer);
}
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
  layer->DrawElements(mode, count, type, indices);
}

void glRasterPos3f(GLfloat x, GLfloat y, GLfloat z) { layer->RasterPos3f(x, y, z); }
GLuint glGenLists(GLsizei range) { return layer->GenLists(range); }
void glNewList(GLuint list, GLenum mode) { layer->NewList(list, mode); }
void glEndList() { layer->EndList(); }
void glBitmap(GLsizei width, GLsizei height, GLfloat originX, GLfloat originY, GLfloat moveX,
              GLfloat moveY, const GLubyte* bitmap) {
  layer->Bitmap(width, height, originX, originY, moveX, moveY, bitmap);
}
void glDeleteLists(GLuint list, GLsizei range) { layer->DeleteLists(list, range); }
void glListBase(GLuint base) { layer->ListBase(base); }
void glCallLists(GLsizei n, GLenum type, const GLvoid* lists) { layer->CallLists(n, type, lists); }
void glPixelStorei(GLenum name, GLint value) { layer->PixelStorei(name, value); }

void glPushAttrib(GLbitfield mask) { layer->PushAttrib(mask); }
void glPopAttrib() { layer->PopAttrib(); }
void glPushClientAttrib(GLbitfield mask) { layer->PushClientAttrib(mask); }
void glPopClientAttrib() { layer->PopClientAttrib(); }

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  layer->Viewport(x, y, width, height);
  emscripten_glViewport(x, y, width, height);
}
void glClear(GLbitfield mask) {
  layer->Clear();
  emscripten_glClear(mask);
}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf) {
  emscripten_glClearColor(r, g, b, 1);
}
