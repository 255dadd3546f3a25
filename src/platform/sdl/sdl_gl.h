// The GL set-up both SDL windows share: the pixel format the demo asks for, and tear-down.
#pragma once

#include <SDL.h>

// Asks for a double-buffered RGBA surface with 24 colour bits and 16 depth bits. Must come
// before the window is made: on X11 the format is fixed with the window.
void RequestDemoPixelFormat();

// Releases the context, if any, from being current and deletes it; context becomes nullptr.
void DeleteGLContextOf(SDL_Window* window, SDL_GLContext& context);
