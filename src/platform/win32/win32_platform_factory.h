// Making the Win32 platform without including windows.h.
#pragma once

#include <memory>

#include "platform/platform.h"

// The Win32 platform for the running program, full screen or in an 800 x 600 window.
std::unique_ptr<Platform> CreateWin32Platform(bool windowed);
