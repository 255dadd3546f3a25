// The SDL2 window: full screen or resizable, showing the picture; its events and clock.
#include "sdl_window.h"

#include <SDL.h>

#include <optional>
#include <string>

#include "display_diagnosis.h"
#include "platform/letterbox.h"
#include "platform/window_picture.h"
#include "quiet_stderr.h"
#include "sdl_gl.h"
#include "sdl_timing_calls.h"

namespace {

// SDL falls back to drivers that show nothing when no display can be reached. A demo running
// there could be neither seen nor quit, so they count as no display unless asked for by name.
bool ShowsOnScreen() {
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (driver != "offscreen" && driver != "dummy") return true;
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  return requested != nullptr && driver == requested;
}

class SdlWindow final : public SystemWindow {
 public:
  SdlWindow(WindowMode mode, PictureDrawing drawing)
      : windowMode_(mode), picture_(drawing, [this] { return DrawableSize(); }) {
    SDL_Init(0);
  }
  ~SdlWindow() override {
    DeleteGLContext();
    DestroyDemoWindow();
    SDL_Quit();
  }

  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  bool CreateDemoWindow(int width, int height) override {
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

  bool CreateGLContext() override {
    if (window_ == nullptr) return false;
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr) {
      FailWith("cannot create an OpenGL context");
      return false;
    }
    SDL_GL_MakeCurrent(window_, context_);
    SDL_GL_SetSwapInterval(1);  // vsync where the driver offers it; frames go on without it
    picture_.Start(SDL_GL_GetProcAddress);
    return true;
  }

  void ShowDemoWindow() override {
    if (window_ == nullptr) return;
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
    // Going full screen may have resized the window.
    picture_.Choose();
  }

  void SwapBuffers() override {
    if (window_ == nullptr || context_ == nullptr) return;
    picture_.Show([this] { SDL_GL_SwapWindow(window_); });
  }

  void DeleteGLContext() override {
    if (context_ == nullptr) return;
    picture_.Stop();
    DeleteGLContextOf(window_, context_);
  }

  void DestroyDemoWindow() override {
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    window_ = nullptr;
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoStarted_ = false;
  }

  // Starting video shows the cursor again, so the wish is kept and applied once video is up.
  void HideCursor() override {
    cursorHidden_ = true;
    if (videoStarted_) SDL_ShowCursor(SDL_DISABLE);
  }

  std::string ErrorText() const override { return error_; }
  bool Showing() const override {
    if (window_ == nullptr) return false;
    return (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) == 0;
  }

  double RefreshRate() const override { return clock_.RefreshRate(); }

  DrawingArea WhereToDraw() const override { return picture_.WhereToDraw(); }

  std::uint32_t GetTickCount() override { return clock_.Milliseconds(); }
  std::uint64_t NowUs() override { return clock_.NowUs(); }
  void Sleep(std::uint32_t milliseconds) override { clock_.Sleep(milliseconds); }
  CursorPos GetCursorPos() const override {
    if (window_ == nullptr) return CursorPos{};
    // The position SDL keeps from the window's motion events is the cursor's: full screen the
    // pointer is always over the window, and in a window it steers while over it. (SDL's global
    // query is no better: on X11 it is refreshed only by raw device motion, which a warped
    // pointer does not produce.)
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    return CursorInPicture(x, y, windowWidth, windowHeight, pictureWidth_, pictureHeight_);
  }

  bool PeekMessage(Message& message) override {
    if (pendingQuit_) {
      message = Message{MessageType::Quit, *pendingQuit_};
      pendingQuit_.reset();
      return true;
    }
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) return false;
    // Alt+Enter switches the window's mode and reaches the demo as an ordinary message.
    message = windowMode_.SwitchOnKey(window_, event) ? Message{} : Translate(event);
    return true;
  }

  void WaitForMessage(std::uint32_t timeoutMs) override {
    if (pendingQuit_) return;
    clock_.WaitForInput(timeoutMs);
  }

  void PostQuitMessage(int exitCode) override { pendingQuit_ = exitCode; }
  long DefWindowProc(const Message&) override { return 0; }

 private:
  void FailWith(const char* what) { error_ = std::string(what) + ": " + SDL_GetError(); }
  // Creates the hidden window once video is up.
  bool OpenWindow() {
    if (cursorHidden_) SDL_ShowCursor(SDL_DISABLE);
    RequestDemoPixelFormat();
    // Changing the real display mode is fragile, so full screen covers the desktop as it is and
    // the picture is scaled onto it.
    window_ = windowMode_.Create("OpenGL Sample", pictureWidth_, pictureHeight_, SDL_WINDOW_OPENGL);
    if (window_ == nullptr) {
      FailWith("cannot create the window");
      return false;
    }
    return true;
  }

  PictureSize DrawableSize() const {
    PictureSize drawable;
    SDL_GL_GetDrawableSize(window_, &drawable.width, &drawable.height);
    return drawable;
  }

  static Message Translate(const SDL_Event& event) {
    Message message;
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
    return message;
  }

  bool videoStarted_ = false;
  bool cursorHidden_ = false;
  SdlWindowMode windowMode_;
  SDL_Window* window_ = nullptr;
  SdlRealTimingCalls timingCalls_{&window_};
  SdlClock clock_{timingCalls_};
  SDL_GLContext context_ = nullptr;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  WindowPicture picture_;
  std::optional<int> pendingQuit_;
  std::string error_;
};

}  // namespace

std::unique_ptr<SystemWindow> CreateSdlWindow(WindowMode mode, PictureDrawing drawing) {
  return std::make_unique<SdlWindow>(mode, drawing);
}

// SDL handles the rest itself
