// GL context set-up and tear-down for the demo window.
#include "gl_context.h"

#include <GL/gl.h>

#include "scenes/projection.h"
#include "screen.h"

bool EnableOpenGL(DemoWindow& window) {
  if (!window.CreateGLContext()) return false;
  window.ShowDemoWindow();
  ReSizeGLScene(gResX, gResY);
  return true;
}

void ReSizeGLScene(int width, int height) {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  LoadPerspective(width, height);
  glLoadIdentity();
}

void DisableOpenGL(DemoWindow& window) { window.DeleteGLContext(); }
