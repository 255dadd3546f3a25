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

// How a scene's eye moves. Orbit: at radius 30 around the vertical axis as the mouse steers.
// Travel: the same steering plus a time-driven path, so the eye moves while the mouse rests.
enum class CameraPath { Orbit, Travel };

MouseOffset ComputeMouseOffset(CursorPos cursor);

Eye OrbitEye(CameraPath path, MouseOffset offset, float t);

// Clears to white, rebuilds the perspective and looks at the origin from OrbitEye for the
// cursor. Leaves the model-view matrix selected and holding the camera.
void SetOrbitCamera(CameraPath path, float t, CursorPos cursor);
