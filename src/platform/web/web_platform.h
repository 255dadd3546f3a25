// The platform in a web page: SDL2's emscripten drivers give the canvas, its WebGL context,
// events, the clock and Web Audio; the GL 1.1 the demo draws with is fixed_function.cpp's.
#pragma once

#include <SDL.h>

#include <optional>
#include <string>

#include "platform/module_player.h"
#include "platform/platform.h"

class WebPlatform final : public Platform {
 public:
  WebPlatform();
  ~WebPlatform() override;
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  // The canvas keeps the picture's size in pixels; the page scales it with CSS.
  bool CreateDemoWindow(int width, int height) override;
  bool CreateGLContext() override;
  void ShowDemoWindow() override;
  void SwapBuffers() override;
  void DeleteGLContext() override;
  void DestroyDemoWindow() override;
  void HideCursor() override;
  std::string ErrorText() const override;

  std::uint32_t GetTickCount() override;
  // The browser paces the frames; a page must never block, so this returns at once.
  void Sleep(std::uint32_t milliseconds) override;
  CursorPos GetCursorPos() const override;
  bool PeekMessage(Message& message) override;
  void PostQuitMessage(int exitCode) override;
  long DefWindowProc(const Message& message) override;

  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  Song* LoadSong(const char* path) override;
  void PlaySong(Song* song) override;
  void FreeSong(Song* song) override;

 private:
  void FailWith(const char* what);

  bool cursorHidden_ = false;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  std::optional<int> pendingQuit_;
  std::string error_;
  ModulePlayer music_;
};
