// The demo's Win32 window in either of its two modes, full screen (a popup over the desktop)
// or an 800 x 600 window, and the Alt+Enter switch between them.
#pragma once

#include "windows_api.h"

class Win32WindowMode {
 public:
  explicit Win32WindowMode(bool windowed) : windowed_(windowed) {}

  // Creates the hidden window in the current mode for a picture of this size.
  HWND Create(HINSTANCE instance, const char* className, const char* title, int pictureWidth,
              int pictureHeight, void* creationParameter);
  // Switches the window to the other mode when the message is Alt+Enter; false for any other
  // message.
  bool SwitchOnKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Apply(HWND window) const;

  bool windowed_;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
};
