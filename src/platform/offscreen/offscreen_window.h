// A window that is never shown: an offscreen SDL surface with a real GL context of the
// picture's size. The capture tool, the benchmark, match_frame and the GL tests draw on it.
#pragma once

#include <SDL.h>

#include <functional>
#include <string>

#include "platform/demo_window.h"

class OffscreenWindow final : public DemoWindow {
 public:
  OffscreenWindow() = default;
  ~OffscreenWindow() override;
  OffscreenWindow(const OffscreenWindow&) = delete;
  OffscreenWindow& operator=(const OffscreenWindow&) = delete;

  // Runs in SwapBuffers before anything is presented, so the frame's pixels can still be read.
  std::function<void()> beforeSwap;

  bool CreateDemoWindow(int width, int height) override;
  bool CreateGLContext() override;
  void ShowDemoWindow() override {}
  void SwapBuffers() override;
  void DeleteGLContext() override;
  void DestroyDemoWindow() override;
  void HideCursor() override {}
  std::string ErrorText() const override { return error_; }
  bool Showing() const override { return true; }
  // No display: whoever draws on it sets the pace.
  double RefreshRate() const override { return 0; }
  // Frames fill the surface: the size it was created at.
  DrawingArea WhereToDraw() const override { return DrawingArea{size_}; }

 private:
  std::string error_;
  PictureSize size_;
  bool videoStarted_ = false;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
};
