// The demo run on the Win32 platform, callable from a file that includes windows.h.
#pragma once

// Runs the demo's WinMain on a Win32Platform and returns its exit code.
int RunDemo();
