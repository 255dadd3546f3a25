// The folder the running program's executable lies in.
#pragma once

#include <string>

// The folder holding the running executable, ending in a separator (SDL reads /proc/self/exe
// on Linux), or "" when the system cannot tell.
std::string RunningProgramDirectory();
