// The demo's window on the display model: the swap is the model's, the clock, the waits and the
// display's rate are a native platform's own clock over the model's system calls, and the
// queue stays empty until the simulated time is up, when it holds the quit message.
#pragma once

#include <cstdint>
#include <string>

#include "display_model.h"
#include "platform/music_output.h"
#include "platform/platform.h"
#include "platform/system_clock.h"

class SimulatedWindow final : public SystemWindow {
 public:
  SimulatedWindow(DisplayModel& model, SystemClock& clock, std::int64_t endNs)
      : model_(model), clock_(clock), endNs_(endNs) {}

  bool CreateDemoWindow(int, int) override { return true; }
  bool CreateGLContext() override { return true; }
  void ShowDemoWindow() override {}
  void SwapBuffers() override { model_.SwapBuffers(); }
  void DeleteGLContext() override {}
  void DestroyDemoWindow() override {}
  void HideCursor() override {}
  std::string ErrorText() const override { return ""; }
  bool Showing() const override { return true; }
  double RefreshRate() const override { return clock_.RefreshRate(); }
  DrawingArea WhereToDraw() const override { return DrawingArea{}; }

  std::uint32_t GetTickCount() override { return clock_.Milliseconds(); }
  std::uint64_t NowUs() override { return clock_.NowUs(); }
  void Sleep(std::uint32_t milliseconds) override { clock_.Sleep(milliseconds); }
  CursorPos GetCursorPos() const override { return CursorPos{}; }
  bool PeekMessage(Message& message) override;
  void WaitForMessage(std::uint32_t timeoutMs) override { clock_.WaitForInput(timeoutMs); }
  void PostQuitMessage(int) override {}
  long DefWindowProc(const Message&) override { return 0; }

 private:
  DisplayModel& model_;
  SystemClock& clock_;
  std::int64_t endNs_;
  bool quitTaken_ = false;
};

// No sound device and no song: the simulation is about pictures.
class SilentMusic final : public MusicOutput {
 public:
  std::string ProgramDirectory() const override { return ""; }
  void StartMixer(int, int, unsigned) override {}
  Song* LoadSong(const char*) override { return nullptr; }
  void PlaySong(Song*) override {}
  void FreeSong(Song*) override {}
};
