// The perspective projection shared by start-up and every frame.
#include "projection.h"

#include <GL/gl.h>

#include "gl_matrix/camera_matrices.h"

void LoadPerspective(int width, int height) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  GlMatrixD perspective;
  if (PerspectiveFactor(45, static_cast<double>(width) / height, static_cast<double>(0.1f), 100,
                        perspective)) {
    glMultMatrixd(perspective.data());
  }
  glMatrixMode(GL_MODELVIEW);
}
