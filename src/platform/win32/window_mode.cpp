// Full screen is a borderless popup the size of the desktop; windowed is an overlapped window
// whose client area is the picture's size, centred. Both are reached from either.
#include "window_mode.h"

namespace {

constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// Bit 29 of a key message's lParam: Alt was held.
constexpr LPARAM kAltDown = LPARAM{1} << 29;

// Where the window goes in a mode: the desktop, or the picture's client area centred on it.
RECT Placement(bool windowed, int pictureWidth, int pictureHeight) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (!windowed) return RECT{0, 0, screenWidth, screenHeight};
  RECT frame{0, 0, pictureWidth, pictureHeight};
  AdjustWindowRectEx(&frame, kWindowedStyle, FALSE, WS_EX_APPWINDOW);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (screenWidth - pictureWidth) / 2 + frame.left;
  const int top = (screenHeight - pictureHeight) / 2 + frame.top;
  return RECT{left, top < 0 ? 0 : top, left + width, (top < 0 ? 0 : top) + height};
}

}  // namespace

HWND Win32WindowMode::Create(HINSTANCE instance, const char* className, const char* title,
                             int pictureWidth, int pictureHeight, void* creationParameter) {
  pictureWidth_ = pictureWidth;
  pictureHeight_ = pictureHeight;
  const RECT place = Placement(windowed_, pictureWidth, pictureHeight);
  return CreateWindowExA(WS_EX_APPWINDOW, className, title,
                         windowed_ ? kWindowedStyle : kFullScreenStyle, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                         instance, creationParameter);
}

bool Win32WindowMode::SwitchOnKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Alt+Enter arrives as a system key; a held key repeats, which would switch back and forth.
  const bool repeated = (lParam & (LPARAM{1} << 30)) != 0;
  if (message != WM_SYSKEYDOWN || wParam != VK_RETURN || (lParam & kAltDown) == 0 || repeated) {
    return false;
  }
  windowed_ = !windowed_;
  Apply(window);
  return true;
}

void Win32WindowMode::Apply(HWND window) const {
  const RECT place = Placement(windowed_, pictureWidth_, pictureHeight_);
  SetWindowLongPtrA(
      window, GWL_STYLE,
      static_cast<LONG_PTR>((windowed_ ? kWindowedStyle : kFullScreenStyle) | WS_VISIBLE));
  SetWindowPos(window, windowed_ ? HWND_NOTOPMOST : HWND_TOP, place.left, place.top,
               place.right - place.left, place.bottom - place.top,
               SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}
