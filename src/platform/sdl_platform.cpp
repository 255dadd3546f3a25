// SDL2 implementation of the platform: a borderless full-screen window showing the picture.
#include "sdl_platform.h"

#include "display_diagnosis.h"
#include "letterbox.h"
#include "program_directory.h"
#include "quiet_stderr.h"

namespace {

// SDL falls back to drivers that show nothing when no display can be reached. A demo running
// there could be neither seen nor quit, so they count as no display unless asked for by name.
bool ShowsOnScreen() {
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (driver != "offscreen" && driver != "dummy") return true;
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  return requested != nullptr && driver == requested;
}

}  // namespace

SdlPlatform::SdlPlatform() { SDL_Init(0); }

SdlPlatform::~SdlPlatform() {
  DeleteGLContext();
  DestroyDemoWindow();
  SDL_Quit();
}

void SdlPlatform::FailWith(const char* what) { error_ = std::string(what) + ": " + SDL_GetError(); }

std::string SdlPlatform::ErrorText() const { return error_; }

bool SdlPlatform::CreateDemoWindow(int width, int height) {
  pictureWidth_ = width;
  pictureHeight_ = height;
  int started = 0;
  {
    // libwayland and Xlib print their own complaints while SDL tries each display server;
    // the one line below says it all.
    QuietStderr quiet;
    started = SDL_InitSubSystem(SDL_INIT_VIDEO);
  }
  if (started == 0) videoStarted_ = true;
  if (started == 0 && ShowsOnScreen()) return OpenWindow();
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  if (started != 0 && requested != nullptr && *requested != '\0') {
    FailWith(
        (std::string("cannot open the display through SDL's ") + requested + " driver").c_str());
  } else {
    error_ = "cannot open the display: " +
             DescribeMissingDisplay(SDL_getenv("DISPLAY"), SDL_getenv("WAYLAND_DISPLAY"),
                                    started != 0 ? SDL_GetError() : "");
  }
  return false;
}

bool SdlPlatform::OpenWindow() {
  if (cursorHidden_) SDL_ShowCursor(SDL_DISABLE);
  // On X11 the surface format is fixed when the window is made, so the pixel format is
  // requested here rather than with the context.
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  // Changing the real display mode is fragile, so the window covers the desktop as it is and
  // the picture is scaled onto it.
  const Uint32 flags =
      SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
  // The window is made as large as the screen too, for display servers with no window
  // manager to carry out the full-screen request.
  SDL_Rect screen{0, 0, pictureWidth_, pictureHeight_};
  SDL_GetDisplayBounds(0, &screen);
  window_ = SDL_CreateWindow("OpenGL Sample", screen.x, screen.y, screen.w, screen.h, flags);
  if (window_ == nullptr) {
    FailWith("cannot create the window");
    return false;
  }
  return true;
}

bool SdlPlatform::CreateGLContext() {
  if (window_ == nullptr) return false;
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    FailWith("cannot create an OpenGL context");
    return false;
  }
  SDL_GL_MakeCurrent(window_, context_);
  SDL_GL_SetSwapInterval(1);  // vsync where the driver offers it; frames go on without it
  target_.emplace(pictureWidth_, pictureHeight_);
  ChooseRenderTarget();
  return true;
}

void SdlPlatform::ChooseRenderTarget() {
  if (!target_) return;
  int width = 0;
  int height = 0;
  SDL_GL_GetDrawableSize(window_, &width, &height);
  target_->Prepare(width, height);
}

void SdlPlatform::ShowDemoWindow() {
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  SDL_SetWindowInputFocus(window_);
  // Going full screen may have resized the window.
  ChooseRenderTarget();
}

void SdlPlatform::SwapBuffers() {
  if (window_ == nullptr || context_ == nullptr) return;
  target_->Present();
  SDL_GL_SwapWindow(window_);
  ChooseRenderTarget();
}

void SdlPlatform::DeleteGLContext() {
  if (context_ == nullptr) return;
  target_->Release();
  target_.reset();
  SDL_GL_MakeCurrent(window_, nullptr);
  SDL_GL_DeleteContext(context_);
  context_ = nullptr;
}

void SdlPlatform::DestroyDemoWindow() {
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  window_ = nullptr;
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  videoStarted_ = false;
}

// Starting video shows the cursor again, so the wish is kept and applied once video is up.
void SdlPlatform::HideCursor() {
  cursorHidden_ = true;
  if (videoStarted_) SDL_ShowCursor(SDL_DISABLE);
}

std::uint32_t SdlPlatform::GetTickCount() { return SDL_GetTicks(); }

void SdlPlatform::Sleep(std::uint32_t milliseconds) { SDL_Delay(milliseconds); }

CursorPos SdlPlatform::GetCursorPos() const {
  CursorPos cursor;
  if (window_ == nullptr) return cursor;
  // The window covers the screen, so the pointer is always over it and the position SDL keeps
  // from the window's motion events is the cursor's. (SDL's global query is no better: on X11
  // it is refreshed only by raw device motion, which a warped pointer does not produce.)
  SDL_GetMouseState(&cursor.x, &cursor.y);
  int windowWidth = 0;
  int windowHeight = 0;
  SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
  const Rect picture = FitPicture(windowWidth, windowHeight, pictureWidth_, pictureHeight_);
  WindowToPicture(picture, pictureWidth_, pictureHeight_, cursor.x, cursor.y);
  return cursor;
}

bool SdlPlatform::PeekMessage(Message& message) {
  if (pendingQuit_) {
    message = Message{MessageType::Quit, *pendingQuit_};
    pendingQuit_.reset();
    return true;
  }
  SDL_Event event;
  if (SDL_PollEvent(&event) == 0) return false;
  message = Message{};
  switch (event.type) {
    case SDL_QUIT:
      message.type = MessageType::Close;
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) message.type = MessageType::Close;
      break;
    case SDL_KEYDOWN:
      message.type = MessageType::KeyDown;
      // SDL's key code for Esc is the same 27 that kKeyEscape names.
      message.wParam = event.key.keysym.sym;
      break;
    default:
      break;
  }
  return true;
}

void SdlPlatform::PostQuitMessage(int exitCode) { pendingQuit_ = exitCode; }

long SdlPlatform::DefWindowProc(const Message&) { return 0; }  // SDL handles the rest itself

std::string SdlPlatform::ProgramDirectory() const { return RunningProgramDirectory(); }

void SdlPlatform::StartMixer(int mixRate, int maxChannels, unsigned flags) {
  music_.StartMixer(mixRate, maxChannels, flags);
}

Song* SdlPlatform::LoadSong(const char* path) { return music_.LoadSong(path); }

void SdlPlatform::PlaySong(Song* song) { music_.PlaySong(song); }

void SdlPlatform::FreeSong(Song* song) { music_.FreeSong(song); }
