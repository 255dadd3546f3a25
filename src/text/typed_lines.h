// Lines of text that type themselves out one after another and drift in small circles.
#pragma once

struct Colour {
  float r = 0;
  float g = 0;
  float b = 0;
};

// A table of up to 7 lines of at most 99 characters each.
using TextTable = char[7][100];

void DrawTypedLines(const TextTable& table, int rows, float interval, float w, Colour colour,
                    float t);
