// The Linux demo's window: an SDL2 window with its GL context, and SDL's events and clock.
#pragma once

#include <memory>

#include "platform/picture_target.h"
#include "platform/platform.h"
#include "sdl_window_mode.h"

// Full screen covers the desktop as it is, or an 800 x 600 window that can be resized; the
// picture is scaled onto either with its shape kept, or (Sharp) drawn at the size of its 4:3
// area. Alt+Enter switches between full screen and the window.
// While the window cannot be seen, or until the next frame is due, WaitForMessage waits in
// SDL's event queue.
std::unique_ptr<SystemWindow> CreateSdlWindow(WindowMode mode, PictureDrawing drawing);
