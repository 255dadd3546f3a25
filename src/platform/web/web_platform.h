// The platform in a web page: the page's canvas with a WebGL context, the browser's clock and
// events, and Web Audio; the GL 1.1 the demo draws with is src/fixed_function's.
#pragma once

#include <emscripten/html5.h>

#include <deque>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "web_audio_player.h"

class WebPlatform final : public Platform {
 public:
  WebPlatform() = default;
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
  // Where the page last saw the pointer, in picture pixels (it follows the pointer all along,
  // so the position is known before the first move over the picture).
  CursorPos GetCursorPos() const override;
  bool PeekMessage(Message& message) override;
  void PostQuitMessage(int exitCode) override;
  long DefWindowProc(const Message& message) override;

  // The page's music lies in the working directory, so there is no other place to look.
  std::string ProgramDirectory() const override;
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  Song* LoadSong(const char* path) override;
  void PlaySong(Song* song) override;
  void FreeSong(Song* song) override;

 private:
  static EM_BOOL OnKeyDown(int type, const EmscriptenKeyboardEvent* event, void* platform);

  bool windowOpen_ = false;
  EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context_ = 0;
  std::deque<Message> messages_;
  std::optional<int> pendingQuit_;
  std::string error_;
  WebAudioPlayer music_;
};
