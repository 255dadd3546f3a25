// The demo's window in a web page: the page's canvas with a WebGL context, and the browser's
// clock and events; the GL 1.1 the demo draws with is the page's own layer over WebGL.
#pragma once

#include <emscripten/html5.h>

#include <deque>
#include <optional>
#include <string>

#include "platform/clock_and_input.h"
#include "platform/demo_window.h"

class WebCanvas final : public DemoWindow, public ClockAndInput {
 public:
  WebCanvas() = default;
  ~WebCanvas() override;
  WebCanvas(const WebCanvas&) = delete;
  WebCanvas& operator=(const WebCanvas&) = delete;

  // The canvas keeps the picture's size in pixels; the page scales it with CSS.
  bool CreateDemoWindow(int width, int height) override;
  bool CreateGLContext() override;
  void ShowDemoWindow() override;
  void SwapBuffers() override;
  void DeleteGLContext() override;
  void DestroyDemoWindow() override;
  void HideCursor() override;
  std::string ErrorText() const override;
  // The browser runs no animation frames for a page that cannot be seen, so the canvas counts
  // as showing whenever a frame is asked for.
  bool Showing() const override { return true; }
  // The browser paces the frames.
  int RefreshRate() const override { return 0; }

  std::uint32_t GetTickCount() override;
  std::uint64_t NowUs() override;
  // A page must never block: the browser paces the frames, so these return at once.
  void Sleep(std::uint32_t milliseconds) override;
  void WaitForMessage(std::uint32_t timeoutMs) override;
  // Where the page last saw the pointer, in picture pixels (it follows the pointer all along,
  // so the position is known before the first move over the picture).
  CursorPos GetCursorPos() const override;
  bool PeekMessage(Message& message) override;
  void PostQuitMessage(int exitCode) override;
  long DefWindowProc(const Message& message) override;

 private:
  static EM_BOOL OnKeyDown(int type, const EmscriptenKeyboardEvent* event, void* platform);

  bool windowOpen_ = false;
  EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context_ = 0;
  std::deque<Message> messages_;
  std::optional<int> pendingQuit_;
  std::string error_;
};
