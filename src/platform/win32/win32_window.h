// The Windows demo's window: a borderless popup over the desktop (or a window) with a WGL
// context, and the thread's message queue, the high-resolution clock and the cursor.
#pragma once

#include <memory>

#include "platform/picture_target.h"
#include "platform/platform.h"
#include "windows_api.h"

// Full screen covers the desktop as it is, or an 800 x 600 window that can be resized; the
// picture is scaled onto either with its shape kept, or (Sharp) drawn at the size of its 4:3
// area. Alt+Enter switches between full screen and the window.
// While the window cannot be seen, or until the next frame is due, WaitForMessage waits in
// MsgWaitForMultipleObjects.
std::unique_ptr<SystemWindow> CreateWin32Window(HINSTANCE instance, bool windowed,
                                                PictureDrawing drawing);
