// The Linux demo's window: an SDL2 window with its GL context, and SDL's events and clock.
#pragma once

#include <SDL.h>

#include <optional>
#include <string>

#include "platform/clock_and_input.h"
#include "platform/demo_window.h"
#include "platform/picture_target.h"
#include "sdl_window_mode.h"

class SdlWindow final : public DemoWindow, public ClockAndInput {
 public:
  explicit SdlWindow(WindowMode mode = WindowMode::FullScreen);
  ~SdlWindow() override;
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

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
  void FailWith(const char* what);
  // Creates the hidden window once video is up.
  bool OpenWindow();
  void ChooseRenderTarget();
  static Message Translate(const SDL_Event& event);

  bool videoStarted_ = false;
  bool cursorHidden_ = false;
  SdlWindowMode windowMode_;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  std::optional<PictureTarget> target_;
  std::optional<int> pendingQuit_;
  std::string error_;
};
