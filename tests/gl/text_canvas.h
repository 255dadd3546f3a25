// A test fixture for drawing text by hand: the prepared offscreen frame cleared to white, with
// window coordinates (one unit per pixel, origin bottom-left) and a blue raster colour.
#pragma once

#include <GL/gl.h>

#include "bitmap_feedback.h"
#include "offscreen_frame.h"

class TextCanvas : public OffscreenFrame {
 protected:
  void SetUp() override {
    OffscreenFrame::SetUp();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, gResX, 0, gResY, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(0, 0, 1);
  }

  static WindowPoint RasterPosition() {
    GLfloat position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    return {position[0], position[1]};
  }
};
