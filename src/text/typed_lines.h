// Lines of text that type themselves out one after another and drift in small circles.
#pragma once

struct Colour {
  float r = 0;
  float g = 0;
  float b = 0;
};

// A table of up to 7 lines of at most 99 characters each.
using TextTable = char[7][100];

// Where a row's text starts, in screen space (x right, y down, -1..1 across the picture).
struct RowAnchor {
  float x = 0;
  float y = 0;
};

// Row i starts typing at (i + 1) intervals of scene time.
float RowStart(int row, float interval);

// A row is shown only once t is strictly past its start.
bool RowShown(float start, float t);

// How many of a shown row's characters are typed at t (past start): all once a whole interval
// has passed, else the passed fraction of the interval times the length, truncated.
int TypedLength(int length, float start, float interval, float t);

// Row i circles with radius 0.1 around (-0.8, -0.8 + 0.2 i) at w radians per unit of t, with
// phase i radians.
RowAnchor TypedRowAnchor(int row, float w, float t);

// Draws the table's first rows in screen space in the colour, each typed out and drifting as
// above. Replaces the projection and model-view matrices.
void DrawTypedLines(const TextTable& table, int rows, float interval, float w, Colour colour,
                    float t);
