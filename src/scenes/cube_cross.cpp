// The cube cross. The swing angles are floats computed in double from the float clock and the
// float constants 25 and 1.3, which fixes the exact turn of every ring at a given moment.
#include "cube_cross.h"

#include <GL/gl.h>

#include <cmath>

#include "cube_batch.h"

namespace {

constexpr float kSwingRate = 25;      // radians of the vertical swing's phase per unit of t
constexpr float kSwingRatioX = 1.3f;  // the x swing runs this much faster
constexpr float kArmSpacing = 3;      // ring s sits at distance 3 s from the origin
constexpr int kRings = 4;

}  // namespace

RingSwing ComputeRingSwing(float t, int s) {
  const double phase = static_cast<double>(kSwingRate) * t;
  const double amplitude = 3 * s;
  RingSwing swing;
  swing.aboutY = static_cast<float>(std::cos(phase) * amplitude);
  swing.aboutX = static_cast<float>(std::cos(phase * kSwingRatioX) * amplitude);
  return swing;
}

void DrawCubeCross(float t) {
  CubeBatch cubes;
  for (int s = 1; s <= kRings; ++s) {
    // The green of 128 is clamped to full intensity by the pipeline.
    cubes.SetColour(s / 4.0f, 128, 0);
    const RingSwing swing = ComputeRingSwing(t, s);
    glRotatef(swing.aboutY, 0, 1, 0);
    glRotatef(swing.aboutX, 1, 0, 0);
    cubes.ReadModelView();
    const float d = s * kArmSpacing;
    cubes.Add(d, 0, 0);
    cubes.Add(-d, 0, 0);
    cubes.Add(0, d, 0);
    cubes.Add(0, -d, 0);
    cubes.Add(0, 0, d);
    cubes.Add(0, 0, -d);
  }
  cubes.Draw();
}
