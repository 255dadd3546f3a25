// The Windows demo's window: a borderless popup over the desktop (or a window) with a WGL
// context, and the thread's message queue, the system clock and the cursor.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/clock_and_input.h"
#include "platform/demo_window.h"
#include "platform/picture_target.h"
#include "window_mode.h"
#include "windows_api.h"

class Win32Window final : public DemoWindow, public ClockAndInput {
 public:
  Win32Window(HINSTANCE instance, bool windowed);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  bool CreateDemoWindow(int width, int height) override;
  bool CreateGLContext() override;
  void ShowDemoWindow() override;
  void SwapBuffers() override;
  void DeleteGLContext() override;
  void DestroyDemoWindow() override;
  void HideCursor() override;
  std::string ErrorText() const override;
  bool Showing() const override;
  int RefreshRate() const override;

  std::uint32_t GetTickCount() override;
  std::uint64_t NowUs() override;
  void Sleep(std::uint32_t milliseconds) override;
  CursorPos GetCursorPos() const override;
  bool PeekMessage(Message& message) override;
  void WaitForMessage(std::uint32_t timeoutMs) override;
  void PostQuitMessage(int exitCode) override;
  long DefWindowProc(const Message& message) override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool FailWith(const char* what);
  void ChooseRenderTarget();

  HINSTANCE instance_;
  bool classRegistered_ = false;
  bool cursorHidden_ = false;
  Win32WindowMode windowMode_;
  HWND window_ = nullptr;
  HDC deviceContext_ = nullptr;
  HGLRC context_ = nullptr;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  std::optional<PictureTarget> target_;
  // The demo's messages the window procedure made of the system's, oldest first.
  std::deque<Message> delivered_;
  std::string error_;
};
