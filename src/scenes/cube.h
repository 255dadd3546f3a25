// The demo's only geometry: a cube with corners at +-1, sent as three triangle strips.
#pragma once

// One corner of the cube as the strips send it.
struct CubeVertex {
  float x, y, z;
};

// The strips' vertices in sending order: a 10-vertex band round the x axis (z = +1, y = -1,
// z = -1, y = +1), then the faces x = +1 and x = -1, 4 vertices each. Every outer face winds
// clockwise seen from outside, i.e. is a back face under the default front-face rule.
inline constexpr int kCubeStripLengths[] = {10, 4, 4};
inline constexpr CubeVertex kCubeStrips[] = {
    {-1, 1, 1},  {1, 1, 1},   {-1, -1, 1}, {1, -1, 1},  {-1, -1, -1}, {1, -1, -1},
    {-1, 1, -1}, {1, 1, -1},  {-1, 1, 1},  {1, 1, 1},   {1, 1, 1},    {1, 1, -1},
    {1, -1, 1},  {1, -1, -1}, {-1, 1, 1},  {-1, -1, 1}, {-1, 1, -1},  {-1, -1, -1}};
inline constexpr int kCubeVertexCount = sizeof kCubeStrips / sizeof kCubeStrips[0];

// Sends the strips with glBegin/glVertex3f: positions only, no GL state changed, so callers
// place it with the model-view matrix and colour it with the current colour.
void cube();
