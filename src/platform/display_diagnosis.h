// What to tell the user when no display could be opened.
#pragma once

#include <string>

// One sentence, after "cannot open the display: ", naming what was tried and what to do,
// from the X11 and Wayland variables as they were (nullptr when unset) and SDL's own reason.
std::string DescribeMissingDisplay(const char* display, const char* waylandDisplay,
                                   const std::string& sdlError);
