// Full screen covers the desktop as it is with a borderless window; windowed is a resizable
// window the size of the picture, centred. Both are reached from either.
#include "sdl_window_mode.h"

namespace {

SDL_Rect ScreenOf(SDL_Window* window, int fallbackWidth, int fallbackHeight) {
  SDL_Rect screen{0, 0, fallbackWidth, fallbackHeight};
  const int display = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
  SDL_GetDisplayBounds(display < 0 ? 0 : display, &screen);
  return screen;
}

}  // namespace

SDL_Window* SdlWindowMode::Create(const char* title, int pictureWidth, int pictureHeight,
                                  Uint32 flags) {
  pictureWidth_ = pictureWidth;
  pictureHeight_ = pictureHeight;
  flags |= SDL_WINDOW_HIDDEN;
  if (mode_ == WindowMode::Windowed) {
    return SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, pictureWidth,
                            pictureHeight, flags | SDL_WINDOW_RESIZABLE);
  }
  // The window is made as large as the screen too, for display servers with no window
  // manager to carry out the full-screen request.
  const SDL_Rect screen = ScreenOf(nullptr, pictureWidth, pictureHeight);
  return SDL_CreateWindow(title, screen.x, screen.y, screen.w, screen.h,
                          flags | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool SdlWindowMode::SwitchOnKey(SDL_Window* window, const SDL_Event& event) {
  if (event.type != SDL_KEYDOWN || event.key.repeat != 0 ||
      (event.key.keysym.mod & KMOD_ALT) == 0) {
    return false;
  }
  const SDL_Keycode key = event.key.keysym.sym;
  if (key != SDLK_RETURN && key != SDLK_KP_ENTER) return false;
  mode_ = mode_ == WindowMode::Windowed ? WindowMode::FullScreen : WindowMode::Windowed;
  if (window != nullptr) Apply(window);
  return true;
}

// Position and size are set by hand as well as through the full-screen flag, so the switch
// also works where no window manager acts on that flag. SDL only records sizes asked for while
// full screen, so the window leaves full screen before it is resized and is resized before it
// enters full screen.
void SdlWindowMode::Apply(SDL_Window* window) {
  if (mode_ == WindowMode::Windowed) {
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowBordered(window, SDL_TRUE);
    SDL_SetWindowResizable(window, SDL_TRUE);
    SDL_SetWindowSize(window, pictureWidth_, pictureHeight_);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    return;
  }
  const SDL_Rect screen = ScreenOf(window, pictureWidth_, pictureHeight_);
  SDL_SetWindowResizable(window, SDL_FALSE);
  SDL_SetWindowBordered(window, SDL_FALSE);
  SDL_SetWindowPosition(window, screen.x, screen.y);
  SDL_SetWindowSize(window, screen.w, screen.h);
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_RaiseWindow(window);
}
