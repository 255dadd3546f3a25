// The typed text overlay: each row's timetable, typed length and drifting position, and the
// drawing of all rows through glPrint. Stored values are floats and the arithmetic between them
// is double, which decides the exact character counts and positions at a given t.
#include "typed_lines.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

#include "font.h"

float RowStart(int row, float interval) { return (row + 1) * interval; }

bool RowShown(float start, float t) { return t > start; }

int TypedLength(int length, float start, float interval, float t) {
  const double fraction = (static_cast<double>(t) - start) / interval;
  if (fraction > 1) return length;
  return static_cast<int>(fraction * length);
}

RowAnchor TypedRowAnchor(int row, float w, float t) {
  const double angle = static_cast<double>(w) * t + row;
  RowAnchor anchor;
  anchor.x = static_cast<float>(std::cos(angle) * 0.1 - static_cast<double>(0.8f));
  anchor.y = static_cast<float>(row * 0.2 - 0.8 + std::sin(angle) * 0.1);
  return anchor;
}

void DrawTypedLines(const TextTable& table, int rows, float interval, float w, Colour colour,
                    float t) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, 1, -1, -1000, 1000);  // y grows downwards; (-1, -1) is the top-left corner
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glColor3f(colour.r, colour.g, colour.b);

  const int tableRows = std::min(rows, static_cast<int>(std::size(table)));
  for (int i = 0; i < tableRows; ++i) {
    const float start = RowStart(i, interval);
    if (!RowShown(start, t)) continue;
    const RowAnchor anchor = TypedRowAnchor(i, w, t);
    glRasterPos3f(anchor.x, anchor.y, 2);
    const int length = static_cast<int>(strnlen(table[i], sizeof table[i] - 1));
    char typed[sizeof table[i]];
    const int count = TypedLength(length, start, interval, t);
    std::memcpy(typed, table[i], count);
    typed[count] = '\0';
    glPrint("%s", typed);
  }
}
