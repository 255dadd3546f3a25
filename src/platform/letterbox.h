// Where the fixed-size picture lands on a window of another size: scaled to fit, shape kept.
#pragma once

#include "cursor_pos.h"

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The largest rectangle of the picture's aspect ratio that fits the window, centred; the rest
// of the window shows black bars.
Rect FitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

// Converts a window position into picture pixels through the rectangle from FitPicture,
// clamped to the picture so positions over the bars map to its nearest edge.
void WindowToPicture(const Rect& picture, int pictureWidth, int pictureHeight, int& x, int& y);

// A cursor at (x, y) in a window of the given size, in picture pixels: the two steps above.
CursorPos CursorInPicture(int x, int y, int windowWidth, int windowHeight, int pictureWidth,
                          int pictureHeight);
