// Letterbox arithmetic for showing the picture on a window of any size.
#include "letterbox.h"

#include <algorithm>
#include <cstdint>

Rect FitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
  Rect rect;
  // Compare windowWidth / windowHeight with pictureWidth / pictureHeight without rounding.
  const std::int64_t wideness = std::int64_t{windowWidth} * pictureHeight;
  const std::int64_t pictureWideness = std::int64_t{pictureWidth} * windowHeight;
  if (wideness >= pictureWideness) {
    rect.height = windowHeight;
    rect.width = static_cast<int>(std::int64_t{windowHeight} * pictureWidth / pictureHeight);
  } else {
    rect.width = windowWidth;
    rect.height = static_cast<int>(std::int64_t{windowWidth} * pictureHeight / pictureWidth);
  }
  rect.x = (windowWidth - rect.width) / 2;
  rect.y = (windowHeight - rect.height) / 2;
  return rect;
}

void WindowToPicture(const Rect& picture, int pictureWidth, int pictureHeight, int& x, int& y) {
  if (picture.width <= 0 || picture.height <= 0) {
    x = 0;
    y = 0;
    return;
  }
  const std::int64_t px = std::int64_t{x - picture.x} * pictureWidth / picture.width;
  const std::int64_t py = std::int64_t{y - picture.y} * pictureHeight / picture.height;
  x = static_cast<int>(std::clamp<std::int64_t>(px, 0, pictureWidth - 1));
  y = static_cast<int>(std::clamp<std::int64_t>(py, 0, pictureHeight - 1));
}

CursorPos CursorInPicture(int x, int y, int windowWidth, int windowHeight, int pictureWidth,
                          int pictureHeight) {
  const Rect picture = FitPicture(windowWidth, windowHeight, pictureWidth, pictureHeight);
  CursorPos cursor{x, y};
  WindowToPicture(picture, pictureWidth, pictureHeight, cursor.x, cursor.y);
  return cursor;
}
