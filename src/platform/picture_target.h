// Renders the fixed-size picture into an offscreen framebuffer when the window has another
// size, and shows it letterboxed on each swap; draws straight to the window otherwise.
#pragma once

#include <GL/gl.h>

#include "platform/letterbox.h"

// Looks up a GL function by name in the current context (SDL_GL_GetProcAddress,
// wglGetProcAddress); nullptr when the context lacks it.
using GlFunctionLoader = void* (*)(const char* name);

class PictureTarget {
 public:
  PictureTarget(int pictureWidth, int pictureHeight, GlFunctionLoader loader);
  PictureTarget(const PictureTarget&) = delete;
  PictureTarget& operator=(const PictureTarget&) = delete;

  // Chooses where the next frame is drawn for a window drawable of this size. Needs the GL
  // context current. Returns false (and draws straight to the window) when framebuffer
  // objects are not available.
  bool Prepare(int drawableWidth, int drawableHeight);
  // Copies a picture drawn offscreen onto the window's back buffer, with black bars.
  void Present();
  // Frees the framebuffer; needs the context that Prepare ran with still current.
  void Release();

 private:
  bool LoadFunctions();

  int pictureWidth_;
  int pictureHeight_;
  GlFunctionLoader loader_;
  int drawableWidth_ = 0;
  int drawableHeight_ = 0;
  bool offscreen_ = false;
  GLuint framebuffer_ = 0;
  GLuint colourBuffer_ = 0;
  struct Functions;
  const Functions* gl_ = nullptr;
};
