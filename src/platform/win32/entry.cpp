// The system's entry point on Windows. Its name is the demo's WinMain too, which GCC cannot
// overload with a C function in one file, so it only hands over to run_demo.cpp.
#include <cstdlib>

#include "run_demo.h"
#include "windows_api.h"

// The C runtime has already split the command line into __argc and __argv.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunDemo(__argc, __argv); }
