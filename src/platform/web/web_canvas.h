// The demo's window in a web page: the page's canvas with a WebGL context, and the browser's
// clock and events; the GL 1.1 the demo draws with is the page's own layer over WebGL.
#pragma once

#include <memory>

#include "platform/platform.h"

// The canvas keeps the picture's size in pixels and the page scales it with CSS. The browser
// paces the frames, so nothing here waits; GetCursorPos is where the page last saw the
// pointer over the picture (it follows the pointer all along, so the position is known
// before the first move over the picture).
std::unique_ptr<SystemWindow> CreateWebCanvas();
