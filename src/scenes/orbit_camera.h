// The start of every frame: white clear, the perspective, and an eye placed by the mouse.
#pragma once

#include "cursor_pos.h"

// The cursor's offset from the picture centre as a fraction of the picture size; 0 at the
// centre, -0.5 at the left and top edges.
struct MouseOffset {
  float mx = 0;
  float my = 0;
};

struct Eye {
  double x = 0;
  double y = 0;
  double z = 0;
};

MouseOffset ComputeMouseOffset(CursorPos cursor);

// Scene 1 orbits at radius 30 around the vertical axis; scene 2 adds its own time-driven
// path, so the eye travels even while the mouse rests.
Eye OrbitEye(int scene, MouseOffset offset, float t);

// Clears to white, rebuilds the perspective and looks at the origin from OrbitEye for the
// cursor. Leaves the model-view matrix selected and holding the camera.
void SetOrbitCamera(int scene, float t, CursorPos cursor);
