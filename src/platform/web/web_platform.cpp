// The web platform: SDL2 on a canvas, a WebGL context under the fixed-function layer.
#include "web_platform.h"

#include "fixed_function.h"

WebPlatform::WebPlatform() { SDL_Init(0); }

WebPlatform::~WebPlatform() {
  DeleteGLContext();
  DestroyDemoWindow();
}

void WebPlatform::FailWith(const char* what) { error_ = std::string(what) + ": " + SDL_GetError(); }

std::string WebPlatform::ErrorText() const { return error_; }

bool WebPlatform::CreateDemoWindow(int width, int height) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    FailWith("cannot use the canvas");
    return false;
  }
  // The picture is opaque: without an alpha channel the page never shows through it.
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
  window_ = SDL_CreateWindow("demo", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                             height, SDL_WINDOW_OPENGL);
  if (window_ == nullptr) {
    FailWith("cannot use the canvas");
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  if (cursorHidden_) SDL_ShowCursor(SDL_DISABLE);
  return true;
}

bool WebPlatform::CreateGLContext() {
  if (window_ == nullptr) return false;
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    FailWith("cannot create a WebGL context");
    return false;
  }
  SDL_GL_MakeCurrent(window_, context_);
  if (!StartFixedFunction()) {
    error_ = "cannot compile the WebGL programs";
    DeleteGLContext();
    return false;
  }
  return true;
}

void WebPlatform::ShowDemoWindow() {
  if (window_ != nullptr) SDL_ShowWindow(window_);
}

void WebPlatform::SwapBuffers() {
  if (context_ == nullptr) return;
  FlushFixedFunction();
  SDL_GL_SwapWindow(window_);
}

void WebPlatform::DeleteGLContext() {
  if (context_ == nullptr) return;
  StopFixedFunction();
  SDL_GL_DeleteContext(context_);
  context_ = nullptr;
}

void WebPlatform::DestroyDemoWindow() {
  if (window_ == nullptr) return;
  SDL_DestroyWindow(window_);
  window_ = nullptr;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void WebPlatform::HideCursor() {
  cursorHidden_ = true;
  if (window_ != nullptr) SDL_ShowCursor(SDL_DISABLE);
}

std::uint32_t WebPlatform::GetTickCount() { return SDL_GetTicks(); }

void WebPlatform::Sleep(std::uint32_t) {}

CursorPos WebPlatform::GetCursorPos() const {
  // SDL scales the pointer's position on the canvas to canvas pixels, which are the picture's.
  CursorPos cursor;
  if (window_ != nullptr) SDL_GetMouseState(&cursor.x, &cursor.y);
  return cursor;
}

bool WebPlatform::PeekMessage(Message& message) {
  if (pendingQuit_) {
    message = Message{MessageType::Quit, *pendingQuit_};
    pendingQuit_.reset();
    return true;
  }
  SDL_Event event;
  if (SDL_PollEvent(&event) == 0) return false;
  message = Message{};
  if (event.type == SDL_QUIT) message.type = MessageType::Close;
  if (event.type == SDL_KEYDOWN) {
    message.type = MessageType::KeyDown;
    message.wParam = event.key.keysym.sym;  // SDL's Esc is the 27 kKeyEscape names
  }
  return true;
}

void WebPlatform::PostQuitMessage(int exitCode) { pendingQuit_ = exitCode; }

long WebPlatform::DefWindowProc(const Message&) { return 0; }

void WebPlatform::StartMixer(int mixRate, int maxChannels, unsigned flags) {
  music_.StartMixer(mixRate, maxChannels, flags);
}

Song* WebPlatform::LoadSong(const char* path) { return music_.LoadSong(path); }

void WebPlatform::PlaySong(Song* song) { music_.PlaySong(song); }

void WebPlatform::FreeSong(Song* song) { music_.FreeSong(song); }
