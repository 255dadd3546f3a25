// The cube primitive: the strip table sent in immediate mode, one glBegin/glEnd per strip.
#include "cube.h"

#include <GL/gl.h>

void cube() {
  const CubeVertex* vertex = kCubeStrips;
  for (const int length : kCubeStripLengths) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int i = 0; i < length; ++i, ++vertex) glVertex3f(vertex->x, vertex->y, vertex->z);
    glEnd();
  }
}
