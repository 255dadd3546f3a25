// Where a window's frames are drawn. The faithful 800 x 600 picture goes into an offscreen
// framebuffer when the window has another size, and is shown letterboxed on each swap. With
// sharp drawing on a window larger than the picture, the frame is drawn straight into the
// window's 4:3 area at that area's size, between black bars.
#pragma once

#include <GL/gl.h>

#include "platform/letterbox.h"
#include "screen.h"

// How the picture fills a window larger than it: Scaled draws 800 x 600 pixels and scales
// them up (the faithful picture); Sharp draws the frame at the window's 4:3 area itself.
enum class PictureDrawing { Scaled, Sharp };

// The size a frame is drawn at on a drawable of this size: the picture's, or for Sharp the
// drawable's 4:3 area where that is larger than the picture.
PictureSize DrawingSizeFor(PictureDrawing drawing, int drawableWidth, int drawableHeight);

// Looks up a GL function by name in the current context (SDL_GL_GetProcAddress,
// wglGetProcAddress); nullptr when the context lacks it.
using GlFunctionLoader = void* (*)(const char* name);

class PictureTarget {
 public:
  PictureTarget(PictureDrawing drawing, GlFunctionLoader loader);
  PictureTarget(const PictureTarget&) = delete;
  PictureTarget& operator=(const PictureTarget&) = delete;

  // Chooses where the next frame is drawn for a window drawable of this size, and clears a
  // sharp frame's bars. Needs the GL context current. Returns false (and draws straight to
  // the window) when framebuffer objects are not available.
  bool Prepare(int drawableWidth, int drawableHeight);
  // Where the frame after Prepare is drawn (at DrawingSizeFor the drawable).
  DrawingArea WhereToDraw() const { return area_; }
  // Copies a picture drawn offscreen onto the window's back buffer, with black bars.
  void Present();
  // Frees the framebuffer; needs the context that Prepare ran with still current.
  void Release();

 private:
  bool LoadFunctions();
  bool MakeFramebuffer();
  void DrawBetweenBars(const Rect& area);

  PictureDrawing drawing_;
  GlFunctionLoader loader_;
  DrawingArea area_;
  int drawableWidth_ = 0;
  int drawableHeight_ = 0;
  bool offscreen_ = false;
  GLuint framebuffer_ = 0;
  GLuint colourBuffer_ = 0;
  struct Functions;
  const Functions* gl_ = nullptr;
};
