// The Win32 window: RegisterClassA/CreateWindowExA, the message queue, pixel format and WGL
// context, with the picture scaled onto the window as on Linux.
#include "win32_window.h"

#include <cstdint>
#include <deque>
#include <string>

#include "platform/letterbox.h"
#include "platform/window_picture.h"
#include "win32_timing_calls.h"
#include "window_mode.h"
#include "windows_api.h"

namespace {

constexpr const char* kWindowClass = "OpenGL";
constexpr const char* kWindowTitle = "OpenGL Sample";

// wglGetProcAddress; some drivers answer 1, 2, 3 or -1 instead of null for a missing name.
void* LoadGlFunction(const char* name) {
  const auto address = reinterpret_cast<std::intptr_t>(wglGetProcAddress(name));
  if (address >= -1 && address <= 3) return nullptr;
  return reinterpret_cast<void*>(address);
}

// Asks for vsync where the driver offers WGL_EXT_swap_control; frames go on without it.
void RequestVsync() {
  using SwapIntervalProc = BOOL(WINAPI*)(int interval);
  const auto swapInterval =
      reinterpret_cast<SwapIntervalProc>(LoadGlFunction("wglSwapIntervalEXT"));
  if (swapInterval != nullptr) swapInterval(1);
}

class Win32Window final : public SystemWindow {
 public:
  Win32Window(HINSTANCE instance, bool windowed, PictureDrawing drawing)
      : instance_(instance),
        windowMode_(windowed),
        picture_(drawing, [this] { return DrawableSize(); }) {}
  ~Win32Window() override {
    DeleteGLContext();
    DestroyDemoWindow();
  }

  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  bool CreateDemoWindow(int width, int height) override {
    pictureWidth_ = width;
    pictureHeight_ = height;
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassA(&windowClass) == 0) return FailWith("cannot register the window class");
    classRegistered_ = true;
    // Changing the real display mode is fragile, so full screen covers the desktop as it is and
    // the picture is scaled onto it.
    SetLastError(0);
    window_ = windowMode_.Create(instance_, kWindowClass, kWindowTitle, width, height, this);
    if (window_ == nullptr) return FailWith("cannot open the display: no window could be made");
    return true;
  }

  bool CreateGLContext() override {
    if (window_ == nullptr) return false;
    deviceContext_ = GetDC(window_);
    if (deviceContext_ == nullptr) return FailWith("cannot get the window's device context");
    PIXELFORMATDESCRIPTOR wanted{};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = 24;
    wanted.cDepthBits = 16;
    wanted.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(deviceContext_, &wanted);
    if (format == 0) return FailWith("no OpenGL pixel format with 24 colour and 16 depth bits");
    if (!SetPixelFormat(deviceContext_, format, &wanted)) {
      return FailWith("cannot set the window's pixel format");
    }
    context_ = wglCreateContext(deviceContext_);
    if (context_ == nullptr) return FailWith("cannot create an OpenGL context");
    if (!wglMakeCurrent(deviceContext_, context_)) {
      return FailWith("cannot make the OpenGL context current");
    }
    RequestVsync();
    picture_.Start(LoadGlFunction);
    return true;
  }

  void ShowDemoWindow() override {
    if (window_ == nullptr) return;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
    picture_.Choose();
  }

  void SwapBuffers() override {
    if (deviceContext_ == nullptr || context_ == nullptr) return;
    picture_.Show([this] { ::SwapBuffers(deviceContext_); });
  }

  void DeleteGLContext() override {
    if (context_ != nullptr) {
      picture_.Stop();
      wglMakeCurrent(nullptr, nullptr);
      wglDeleteContext(context_);
      context_ = nullptr;
    }
    if (deviceContext_ != nullptr) ReleaseDC(window_, deviceContext_);
    deviceContext_ = nullptr;
  }

  void DestroyDemoWindow() override {
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
    if (classRegistered_) UnregisterClassA(kWindowClass, instance_);
    classRegistered_ = false;
  }

  void HideCursor() override {
    if (!cursorHidden_) ShowCursor(FALSE);
    cursorHidden_ = true;
  }

  std::string ErrorText() const override { return error_; }
  bool Showing() const override {
    return window_ != nullptr && IsWindowVisible(window_) && !IsIconic(window_);
  }

  double RefreshRate() const override { return clock_.RefreshRate(); }

  DrawingArea WhereToDraw() const override { return picture_.WhereToDraw(); }

  std::uint32_t GetTickCount() override { return clock_.Milliseconds(); }
  std::uint64_t NowUs() override { return clock_.NowUs(); }
  void Sleep(std::uint32_t milliseconds) override { clock_.Sleep(milliseconds); }
  CursorPos GetCursorPos() const override {
    POINT point{};
    if (window_ == nullptr || !::GetCursorPos(&point) || !ScreenToClient(window_, &point)) {
      return CursorPos{};
    }
    RECT client{};
    GetClientRect(window_, &client);
    return CursorInPicture(point.x, point.y, client.right - client.left, client.bottom - client.top,
                           pictureWidth_, pictureHeight_);
  }

  // One system message per call, dispatched to the window procedure; what that handed to the
  // demo comes back first. A message the system handled by default comes back as Other.
  bool PeekMessage(Message& message) override {
    if (delivered_.empty()) {
      // Peeking also runs the window procedure for messages sent from elsewhere.
      MSG system{};
      if (!PeekMessageA(&system, nullptr, 0, 0, PM_REMOVE)) {
        if (delivered_.empty()) return false;
      } else if (system.message == WM_QUIT) {
        message = Message{MessageType::Quit, static_cast<std::intptr_t>(system.wParam)};
        return true;
      } else {
        TranslateMessage(&system);
        DispatchMessageA(&system);
        if (delivered_.empty()) {
          message = Message{};
          return true;
        }
      }
    }
    message = delivered_.front();
    delivered_.pop_front();
    return true;
  }

  void WaitForMessage(std::uint32_t timeoutMs) override {
    if (!delivered_.empty()) return;
    clock_.WaitForInput(timeoutMs);
  }

  void PostQuitMessage(int exitCode) override { ::PostQuitMessage(exitCode); }
  // The window procedure already gave every message it did not hand on its default handling.
  long DefWindowProc(const Message&) override { return 0; }

 private:
  // Turns the system's messages into the demo's: the close command and key presses go to the
  // demo's queue for its WndProc; everything else gets the system's default handling here.
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
      if (self->windowMode_.SwitchOnKey(window, message, wParam, lParam)) return 0;
      switch (message) {
        case WM_CLOSE:  // the demo decides; the default would destroy the window at once
          self->delivered_.push_back(Message{MessageType::Close, 0});
          return 0;
        case WM_KEYDOWN:  // virtual-key codes: VK_ESCAPE is the 27 of kKeyEscape
          self->delivered_.push_back(
              Message{MessageType::KeyDown, static_cast<std::intptr_t>(wParam)});
          return 0;
        default:
          break;
      }
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  bool FailWith(const char* what) {
    error_ = std::string(what) + ": " + SystemErrorText(GetLastError());
    return false;
  }

  PictureSize DrawableSize() const {
    RECT client{};
    GetClientRect(window_, &client);
    return PictureSize{client.right - client.left, client.bottom - client.top};
  }

  HINSTANCE instance_;
  bool classRegistered_ = false;
  bool cursorHidden_ = false;
  Win32WindowMode windowMode_;
  HWND window_ = nullptr;
  // Holds 1 ms timer periods from the window's making to its end, on every way out.
  Win32TimingCalls timingCalls_{&window_};
  WindowsClock clock_{timingCalls_};
  HDC deviceContext_ = nullptr;
  HGLRC context_ = nullptr;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  WindowPicture picture_;
  // The demo's messages the window procedure made of the system's, oldest first.
  std::deque<Message> delivered_;
  std::string error_;
};

}  // namespace

std::unique_ptr<SystemWindow> CreateWin32Window(HINSTANCE instance, bool windowed,
                                                PictureDrawing drawing) {
  return std::make_unique<Win32Window>(instance, windowed, drawing);
}
