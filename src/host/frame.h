// One frame of either scene: camera, cubes, text. The demo, the benchmark, the capture tool
// and the tests all draw through this, so a frame depends only on (scene, t, cursor).
#pragma once

#include <string>

#include "platform/platform.h"

// The GL state every frame relies on: the font's display lists, front-face culling and the
// perspective. Needs a current context.
void PrepareFrameState();

// For programs that draw frames without running the demo (tools, tests): creates the window
// and its GL context through EnableOpenGL and prepares the frame state as the demo does at
// start-up. False, with the reason in error, when no context could be had.
bool OpenFrameSurface(Platform& platform, std::string& error);
void CloseFrameSurface(Platform& platform);

void DrawFrame(const Platform& platform, int scene, float t);
