// GL context set-up and tear-down for the demo window.
#include "gl_context.h"

#include <GL/gl.h>

#include "scenes/projection.h"
#include "screen.h"

bool EnableOpenGL(Platform& platform) {
  if (!platform.CreateGLContext()) return false;
  platform.ShowDemoWindow();
  ReSizeGLScene(gResX, gResY);
  return true;
}

void ReSizeGLScene(int width, int height) {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  LoadPerspective(width, height);
  glLoadIdentity();
}

void DisableOpenGL(Platform& platform) { platform.DeleteGLContext(); }
