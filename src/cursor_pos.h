// The cursor position as the demo sees it, shared by the platform that reads it and the
// camera that follows it.
#pragma once

// A position in picture pixels: (0, 0) is the top-left corner of the 800 x 600 picture.
struct CursorPos {
  int x = 0;
  int y = 0;
};
