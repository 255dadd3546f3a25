// The real platform on Linux: SDL2 window, GL context, events, clock and audio.
#pragma once

#include <SDL.h>

#include <optional>
#include <string>

#include "module_player.h"
#include "platform/frame_pacer.h"
#include "platform/picture_target.h"
#include "platform/platform.h"
#include "sdl_window_mode.h"

class SdlPlatform final : public Platform {
 public:
  explicit SdlPlatform(WindowMode mode = WindowMode::FullScreen);
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  bool CreateDemoWindow(int width, int height) override;
  bool CreateGLContext() override;
  void ShowDemoWindow() override;
  void SwapBuffers() override;
  void DeleteGLContext() override;
  void DestroyDemoWindow() override;
  void HideCursor() override;
  std::string ErrorText() const override;

  std::uint32_t GetTickCount() override;
  void Sleep(std::uint32_t milliseconds) override;
  CursorPos GetCursorPos() const override;
  bool PeekMessage(Message& message) override;
  void PostQuitMessage(int exitCode) override;
  long DefWindowProc(const Message& message) override;

  std::string ProgramDirectory() const override;
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  Song* LoadSong(const char* path) override;
  void PlaySong(Song* song) override;
  void FreeSong(Song* song) override;

 private:
  void FailWith(const char* what);
  // Creates the hidden window once video is up.
  bool OpenWindow();
  void ChooseRenderTarget();
  bool Showing() const;
  std::uint64_t NowUs() const;
  bool WaitForEvent(SDL_Event& event);
  static Message Translate(const SDL_Event& event);

  bool videoStarted_ = false;
  bool cursorHidden_ = false;
  SdlWindowMode windowMode_;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  std::optional<PictureTarget> target_;
  std::optional<FramePacer> pacer_;  // set once the window's display is known
  std::optional<int> pendingQuit_;
  std::string error_;
  ModulePlayer music_;
};
