// The Windows platform: a borderless popup window over the desktop with a WGL context, the
// thread's message queue, the system clock and cursor, and music through waveOut.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/frame_pacer.h"
#include "platform/picture_target.h"
#include "platform/platform.h"
#include "wave_out_player.h"
#include "windows_api.h"

class Win32Platform final : public Platform {
 public:
  explicit Win32Platform(HINSTANCE instance);
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

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
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool FailWith(const char* what);
  void ChooseRenderTarget();
  bool Showing() const;
  std::uint64_t NowUs() const;
  bool WaitForSystemMessage(MSG& system);

  HINSTANCE instance_;
  bool classRegistered_ = false;
  bool cursorHidden_ = false;
  HWND window_ = nullptr;
  HDC deviceContext_ = nullptr;
  HGLRC context_ = nullptr;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  std::optional<PictureTarget> target_;
  std::optional<FramePacer> pacer_;  // set once the window's display is known
  // The demo's messages the window procedure made of the system's, oldest first.
  std::deque<Message> delivered_;
  std::string error_;
  WaveOutPlayer music_;
};
