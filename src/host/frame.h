// One frame of either scene: camera, cubes, text. The demo, the benchmark, the capture tool
// and the tests all draw through this, so a frame depends only on (scene, t, cursor).
#pragma once

#include "platform/platform.h"

// The GL state every frame relies on: the font's display lists, front-face culling and the
// perspective. Needs a current context.
void PrepareFrameState();

void DrawFrame(const Platform& platform, int scene, float t);
