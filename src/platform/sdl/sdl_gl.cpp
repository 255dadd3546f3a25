// The pixel format request and context tear-down shared by the SDL and offscreen windows.
#include "sdl_gl.h"

void RequestDemoPixelFormat() {
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

void DeleteGLContextOf(SDL_Window* window, SDL_GLContext& context) {
  if (context == nullptr) return;
  SDL_GL_MakeCurrent(window, nullptr);
  SDL_GL_DeleteContext(context);
  context = nullptr;
}
