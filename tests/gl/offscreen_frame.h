// A test fixture with an offscreen 800 x 600 GL context prepared as the demo prepares its own,
// and read-back of the picture in picture coordinates (origin top-left, y down).
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/frame.h"
#include "platform/offscreen/offscreen_window.h"
#include "platform/offscreen/picture_readback.h"
#include "screen.h"

struct Pixel {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Pixel& other) const { return r == other.r && g == other.g && b == other.b; }
};

inline std::ostream& operator<<(std::ostream& out, const Pixel& p) {
  return out << "(" << int{p.r} << ", " << int{p.g} << ", " << int{p.b} << ")";
}

class OffscreenFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(OpenFrameSurface(window, error)) << error;
  }

  void TearDown() override { CloseFrameSurface(window); }

  // The whole picture as RGB rows from the top.
  std::vector<Pixel> ReadPicture() const {
    std::vector<std::uint8_t> rows;
    ReadPictureRows(gResX, gResY, rows);
    std::vector<Pixel> pixels(rows.size() / 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      pixels[i] = Pixel{rows[3 * i], rows[3 * i + 1], rows[3 * i + 2]};
    }
    return pixels;
  }

  Pixel ReadPixel(int x, int y) const {
    Pixel pixel;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, gResY - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, &pixel);
    return pixel;
  }

  OffscreenWindow window;
};
