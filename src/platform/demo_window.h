// The window and its GL surface: the part of the platform that shows the picture.
#pragma once

#include <string>

#include "screen.h"

class DemoWindow {
 public:
  virtual ~DemoWindow() = default;

  // Calls that can fail return false and leave the reason in ErrorText(). The window is
  // created hidden; it covers the screen, or with --window is a window of the picture's size.
  virtual bool CreateDemoWindow(int width, int height) = 0;
  // A double-buffered RGBA context (24 colour bits, 16 depth bits), made current.
  virtual bool CreateGLContext() = 0;
  virtual void ShowDemoWindow() = 0;  // shows, raises and focuses the window
  virtual void SwapBuffers() = 0;
  virtual void DeleteGLContext() = 0;
  virtual void DestroyDemoWindow() = 0;
  virtual void HideCursor() = 0;
  virtual std::string ErrorText() const = 0;
  // False while the window is minimised or hidden; the demo draws nothing then.
  virtual bool Showing() const = 0;
  // The refresh rate of the display the window is on, in Hz, as exactly as the system tells it
  // (59.94, not 59 or 60, where it can); 0 when the system does not say.
  virtual double RefreshRate() const = 0;
  // Where the next frame is drawn: at the picture's size, or with sharp drawing at the size
  // of the 4:3 area of the window's drawable, in that area.
  virtual DrawingArea WhereToDraw() const = 0;
};
