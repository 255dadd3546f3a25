// The picture's fixed size: display request, window, viewport, aspect and mouse mapping.
#pragma once

#include <cstdint>

inline constexpr std::int32_t gResX = 800;
inline constexpr std::int32_t gResY = 600;

// How many pixels a frame is drawn at: the picture's 800 x 600, or with sharp drawing the
// 4:3 area of the screen or window (the same frame, framed alike, in more pixels).
struct PictureSize {
  int width = gResX;
  int height = gResY;

  bool operator==(const PictureSize& other) const {
    return width == other.width && height == other.height;
  }
  bool operator!=(const PictureSize& other) const { return !(*this == other); }
};

// Where a frame goes in its drawable: the pixels it is drawn at, and the lower-left corner of
// that area in GL's window coordinates. The corner is off the origin only where a sharp
// picture is drawn straight into a window, between black bars.
struct DrawingArea {
  PictureSize size;
  int x = 0;
  int y = 0;

  bool operator==(const DrawingArea& other) const {
    return size == other.size && x == other.x && y == other.y;
  }
  bool operator!=(const DrawingArea& other) const { return !(*this == other); }
};
