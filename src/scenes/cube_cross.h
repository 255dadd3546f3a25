// Scene 2: four nested crosses of cubes swinging about two axes.
#pragma once

// The turns, in degrees, that ring s (1 ... 4) adds about the vertical axis and then about the
// x axis, on top of the turns of the rings inside it.
struct RingSwing {
  float aboutY = 0;
  float aboutX = 0;
};

RingSwing ComputeRingSwing(float t, int s);

// Rings 1 to 4, inner to outer, each six unscaled cubes at distance 3 s along +x, -x, +y, -y,
// +z, -z in that order (without a depth test the order decides what covers what). The swings
// stay on the model-view matrix, so each ring turns with all the rings inside it.
void DrawCubeCross(float t);
