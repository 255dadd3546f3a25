// Where glBitmap calls land: runs drawing code in feedback mode and collects the window
// position of every bitmap token, in order.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

// A point in window coordinates: pixels from the bottom-left corner.
struct WindowPoint {
  float x = 0;
  float y = 0;
};

template <typename Draw>
std::vector<WindowPoint> FeedbackBitmaps(Draw draw) {
  std::vector<GLfloat> buffer(1 << 16);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  std::vector<WindowPoint> tokens;
  for (GLint i = 0; i + 2 < used;) {
    const auto token = static_cast<GLenum>(buffer[i]);
    if (token != GL_BITMAP_TOKEN) {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
    tokens.push_back({buffer[i + 1], buffer[i + 2]});
    i += 3;
  }
  return tokens;
}
