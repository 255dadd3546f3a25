// The "cannot open the display" sentence, built from the display variables SDL looked at.
#include "display_diagnosis.h"

namespace {

bool Set(const char* variable) { return variable != nullptr && *variable != '\0'; }

}  // namespace

std::string DescribeMissingDisplay(const char* display, const char* waylandDisplay,
                                   const std::string& sdlError) {
  if (!Set(display) && !Set(waylandDisplay)) {
    return "neither DISPLAY (X11) nor WAYLAND_DISPLAY (Wayland) is set; run the demo in a "
           "desktop session, or without a screen under xvfb-run -a -s \"-screen 0 800x600x24\"";
  }
  std::string tried = "cannot connect to ";
  if (Set(display)) tried += std::string("the X server at DISPLAY=") + display;
  if (Set(display) && Set(waylandDisplay)) tried += " or to ";
  if (Set(waylandDisplay)) {
    tried += std::string("the Wayland compositor at WAYLAND_DISPLAY=") + waylandDisplay;
  }
  if (!sdlError.empty()) tried += " (" + sdlError + ")";
  const char* variables = !Set(waylandDisplay) ? "DISPLAY"
                          : !Set(display)      ? "WAYLAND_DISPLAY"
                                               : "DISPLAY or WAYLAND_DISPLAY";
  return tried + "; start the display server, or set " + variables + " to one that runs";
}
