// The demo run on the Win32 platform, callable from a file that includes windows.h.
#pragma once

// Runs the demo's WinMain on a Win32Platform with the options of the command line (as main's
// arguments) and returns its exit code; --help and bad options are answered as on Linux.
int RunDemo(int argc, const char* const* argv);
