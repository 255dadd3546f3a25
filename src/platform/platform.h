// The whole system the demo runs on: window and GL surface, clock and input, music. The
// demo's code takes the narrowest part it needs; WinMain takes all three.
#pragma once

#include "clock_and_input.h"
#include "demo_window.h"
#include "music_output.h"

// SdlPlatform (sdl/) is the real one on Linux, Win32Platform (win32/) on Windows. Tools draw on
// OffscreenWindow (offscreen/), which is a DemoWindow only; tests record calls through a platform
// of their own.
class Platform : public DemoWindow, public ClockAndInput, public MusicOutput {};
