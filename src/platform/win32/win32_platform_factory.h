// Making the Win32 platform without including windows.h.
#pragma once

#include <memory>

#include "platform/platform.h"

// The Win32 platform for the running program.
std::unique_ptr<Platform> CreateWin32Platform();
