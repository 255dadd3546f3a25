// A window's picture target for the life of its GL context, written once for every window that
// shows the picture: made with the context, chosen again for the drawable's size whenever the
// window may have changed, presented around each swap and released with the context.
#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "picture_target.h"
#include "screen.h"

class WindowPicture {
 public:
  // How big the window's drawable is now, in pixels.
  using DrawableSize = std::function<PictureSize()>;

  WindowPicture(PictureDrawing drawing, DrawableSize drawableSize)
      : drawing_(drawing), drawableSize_(std::move(drawableSize)) {}

  // With the new context current: makes the target and chooses it for the drawable. False when
  // framebuffer objects are not available (frames then go straight to the window).
  bool Start(GlFunctionLoader loader);
  // Chooses the target again for the drawable's size now (after the window was shown).
  void Choose();
  // Puts a picture drawn offscreen onto the window's back buffer, with black bars.
  void Present();
  // Shows the frame: Present, the system's swap, and the target chosen for the next frame (the
  // swap may have come with a new size).
  void Show(const std::function<void()>& systemSwap);
  // With the context still current: frees the target.
  void Stop();
  // Where the next frame is drawn; nothing before Start.
  DrawingArea WhereToDraw() const;

 private:
  PictureDrawing drawing_;
  DrawableSize drawableSize_;
  std::optional<PictureTarget> target_;
};
