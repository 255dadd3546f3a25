// The demo's SDL window in either of its two modes, full screen or an 800 x 600 window, and
// the Alt+Enter switch between them.
#pragma once

#include <SDL.h>

enum class WindowMode { FullScreen, Windowed };

class SdlWindowMode {
 public:
  explicit SdlWindowMode(WindowMode mode) : mode_(mode) {}

  // Creates the hidden window in the current mode for a picture of this size; nullptr and
  // SDL's error when that fails.
  SDL_Window* Create(const char* title, int pictureWidth, int pictureHeight, Uint32 flags);
  // Switches the window to the other mode when the event is Alt+Enter; false for any other
  // event.
  bool SwitchOnKey(SDL_Window* window, const SDL_Event& event);

  WindowMode Mode() const { return mode_; }

 private:
  void Apply(SDL_Window* window);

  WindowMode mode_;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
};
