// The cube primitive: 18 vertices in three triangle strips (a band round x, then x = +1, x = -1).
#include "cube.h"

#include <GL/gl.h>

void cube() {
  // The band covers z = +1, y = -1, z = -1 and y = +1.
  glBegin(GL_TRIANGLE_STRIP);
  glVertex3f(-1, 1, 1);
  glVertex3f(1, 1, 1);
  glVertex3f(-1, -1, 1);
  glVertex3f(1, -1, 1);
  glVertex3f(-1, -1, -1);
  glVertex3f(1, -1, -1);
  glVertex3f(-1, 1, -1);
  glVertex3f(1, 1, -1);
  glVertex3f(-1, 1, 1);
  glVertex3f(1, 1, 1);
  glEnd();

  glBegin(GL_TRIANGLE_STRIP);
  glVertex3f(1, 1, 1);
  glVertex3f(1, 1, -1);
  glVertex3f(1, -1, 1);
  glVertex3f(1, -1, -1);
  glEnd();

  glBegin(GL_TRIANGLE_STRIP);
  glVertex3f(-1, 1, 1);
  glVertex3f(-1, -1, 1);
  glVertex3f(-1, 1, -1);
  glVertex3f(-1, -1, -1);
  glEnd();
}
