// The perspective projection shared by start-up and every frame.
#include "projection.h"

#include <GL/gl.h>
#include <GL/glu.h>

void LoadPerspective(int width, int height) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45, static_cast<double>(width) / height, static_cast<double>(0.1f), 100);
  glMatrixMode(GL_MODELVIEW);
}
