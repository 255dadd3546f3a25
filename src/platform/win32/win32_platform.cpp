// Win32 implementation of the platform: RegisterClassA/CreateWindowExA, the message queue,
// pixel format and WGL context, with the picture scaled onto the window as on Linux.
#include "win32_platform.h"

#include "platform/letterbox.h"
#include "win32_platform_factory.h"

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

}  // namespace

std::unique_ptr<Platform> CreateWin32Platform() {
  return std::make_unique<Win32Platform>(GetModuleHandleA(nullptr));
}

Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance) {}

Win32Platform::~Win32Platform() {
  DeleteGLContext();
  DestroyDemoWindow();
}

bool Win32Platform::FailWith(const char* what) {
  error_ = std::string(what) + ": " + SystemErrorText(GetLastError());
  return false;
}

std::string Win32Platform::ErrorText() const { return error_; }

// Turns the system's messages into the demo's: the close command and key presses go to the
// demo's queue for its WndProc; everything else gets the system's default handling here.
LRESULT CALLBACK Win32Platform::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr) {
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

bool Win32Platform::CreateDemoWindow(int width, int height) {
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
  // Changing the real display mode is fragile, so the window covers the desktop as it is and
  // the picture is scaled onto it.
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetLastError(0);
  window_ = CreateWindowExA(WS_EX_APPWINDOW, kWindowClass, kWindowTitle,
                            WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, screenWidth,
                            screenHeight, nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return FailWith("cannot open the display: no window could be made");
  return true;
}

bool Win32Platform::CreateGLContext() {
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
  target_.emplace(pictureWidth_, pictureHeight_, LoadGlFunction);
  ChooseRenderTarget();
  // 0 and 1 stand for the hardware's default rate, which the system does not tell.
  const int refreshHz = GetDeviceCaps(deviceContext_, VREFRESH);
  pacer_.emplace(refreshHz > 1 ? refreshHz : 0);
  return true;
}

void Win32Platform::ChooseRenderTarget() {
  if (!target_) return;
  RECT client{};
  GetClientRect(window_, &client);
  target_->Prepare(client.right - client.left, client.bottom - client.top);
}

void Win32Platform::ShowDemoWindow() {
  if (window_ == nullptr) return;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(window_);
  ChooseRenderTarget();
}

void Win32Platform::SwapBuffers() {
  if (deviceContext_ == nullptr || context_ == nullptr) return;
  target_->Present();
  ::SwapBuffers(deviceContext_);
  ChooseRenderTarget();
}

void Win32Platform::DeleteGLContext() {
  if (context_ != nullptr) {
    target_->Release();
    target_.reset();
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
    context_ = nullptr;
  }
  if (deviceContext_ != nullptr) ReleaseDC(window_, deviceContext_);
  deviceContext_ = nullptr;
}

void Win32Platform::DestroyDemoWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  if (classRegistered_) UnregisterClassA(kWindowClass, instance_);
  classRegistered_ = false;
}

void Win32Platform::HideCursor() {
  if (!cursorHidden_) ShowCursor(FALSE);
  cursorHidden_ = true;
}

std::uint32_t Win32Platform::GetTickCount() { return ::GetTickCount(); }

void Win32Platform::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

CursorPos Win32Platform::GetCursorPos() const {
  CursorPos cursor;
  POINT point{};
  if (window_ == nullptr || !::GetCursorPos(&point) || !ScreenToClient(window_, &point)) {
    return cursor;
  }
  RECT client{};
  GetClientRect(window_, &client);
  const Rect picture = FitPicture(client.right - client.left, client.bottom - client.top,
                                  pictureWidth_, pictureHeight_);
  cursor.x = point.x;
  cursor.y = point.y;
  WindowToPicture(picture, pictureWidth_, pictureHeight_, cursor.x, cursor.y);
  return cursor;
}

bool Win32Platform::Showing() const { return IsWindowVisible(window_) && !IsIconic(window_); }

std::uint64_t Win32Platform::NowUs() const {
  LARGE_INTEGER counter{};
  LARGE_INTEGER perSecond{};
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&perSecond);
  // Whole seconds first, so the product cannot overflow however long the machine has run.
  const auto ticks = static_cast<std::uint64_t>(counter.QuadPart);
  const auto rate = static_cast<std::uint64_t>(perSecond.QuadPart);
  return ticks / rate * 1000000 + ticks % rate * 1000000 / rate;
}

// Takes the next system message off the queue, waiting for one while the window cannot be
// seen or while it is too early for the next frame; false when the next frame is due or the
// window procedure has handed the demo a message meanwhile. Without vsync the loop would
// otherwise draw as fast as it can, and keep drawing while nobody can see it.
bool Win32Platform::WaitForSystemMessage(MSG& system) {
  for (;;) {
    // Peeking also runs the window procedure for messages sent from elsewhere.
    if (PeekMessageA(&system, nullptr, 0, 0, PM_REMOVE)) return true;
    if (!delivered_.empty() || window_ == nullptr || !pacer_) return false;
    DWORD timeoutMs = 1000;
    if (Showing()) {
      const std::uint64_t now = NowUs();
      const std::uint64_t waitUs = pacer_->WaitBeforeNextFrame(now);
      if (waitUs == 0) {
        pacer_->FrameStarted(now);
        return false;
      }
      timeoutMs = static_cast<DWORD>((waitUs + 999) / 1000);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
  }
}

// One system message per call, dispatched to the window procedure; what that handed to the
// demo comes back first. A message the system handled by default comes back as Other.
bool Win32Platform::PeekMessage(Message& message) {
  if (delivered_.empty()) {
    MSG system{};
    if (!WaitForSystemMessage(system)) {
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

void Win32Platform::PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

// The window procedure already gave every message it did not hand on its default handling.
long Win32Platform::DefWindowProc(const Message&) { return 0; }

std::string Win32Platform::ProgramDirectory() const {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  // A length of the whole buffer means the path was cut short.
  if (length == 0 || length >= sizeof path) return "";
  const std::string file(path, length);
  const std::size_t separator = file.find_last_of("\\/");
  return separator == std::string::npos ? "" : file.substr(0, separator + 1);
}

void Win32Platform::StartMixer(int mixRate, int maxChannels, unsigned flags) {
  music_.StartMixer(mixRate, maxChannels, flags);
}

Song* Win32Platform::LoadSong(const char* path) { return music_.LoadSong(path); }

void Win32Platform::PlaySong(Song* song) { music_.PlaySong(song); }

void Win32Platform::FreeSong(Song* song) { music_.FreeSong(song); }
