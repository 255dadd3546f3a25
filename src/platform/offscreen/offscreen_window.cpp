// The offscreen window: SDL's offscreen video driver, whatever display the environment names.
#include "offscreen_window.h"

#include "platform/sdl/sdl_gl.h"

OffscreenWindow::~OffscreenWindow() {
  DeleteGLContext();
  DestroyDemoWindow();
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool OffscreenWindow::CreateDemoWindow(int width, int height) {
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error_ = std::string("cannot start offscreen video: ") + SDL_GetError();
    return false;
  }
  videoStarted_ = true;
  RequestDemoPixelFormat();
  window_ = SDL_CreateWindow("offscreen", 0, 0, width, height, SDL_WINDOW_OPENGL);
  if (window_ == nullptr) {
    error_ = std::string("cannot create an offscreen surface: ") + SDL_GetError();
    return false;
  }
  size_ = PictureSize{width, height};
  return true;
}

bool OffscreenWindow::CreateGLContext() {
  if (window_ == nullptr) return false;
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    error_ = std::string("cannot create an OpenGL context: ") + SDL_GetError();
    return false;
  }
  SDL_GL_MakeCurrent(window_, context_);
  return true;
}

void OffscreenWindow::SwapBuffers() {
  if (beforeSwap) beforeSwap();
  if (context_ != nullptr) SDL_GL_SwapWindow(window_);
}

void OffscreenWindow::DeleteGLContext() { DeleteGLContextOf(window_, context_); }

void OffscreenWindow::DestroyDemoWindow() {
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  window_ = nullptr;
}
