// Binding OpenGL to the demo's window, and releasing it again.
#pragma once

#include "platform/demo_window.h"

// Gives the window its GL context, shows and focuses it, and sets viewport and projection.
// Returns false when no context could be made (the window's ErrorText says why).
bool EnableOpenGL(DemoWindow& window);

// Viewport over width x height and the demo's perspective; a height of 0 is taken as 1.
void ReSizeGLScene(int width, int height);

void DisableOpenGL(DemoWindow& window);
