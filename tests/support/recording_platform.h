// A test double of the whole platform, all three parts in one: ticks and messages are
// scripted, every call is recorded, the cursor rests at 0, 0 and nothing is drawn (GL calls
// find no context).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

class RecordingPlatform final : public DemoWindow, public ClockAndInput, public MusicOutput {
 public:
  RecordingPlatform();

  // The three parts, paced as the native program paces (ToDisplay) or by the caller.
  Platform Parts(FramePacing pacing = FramePacing::ByCaller) {
    return Platform{*this, *this, *this, pacing};
  }

  // The script. GetTickCount returns ticks() when it is set, else the last SetTicks value.
  std::function<std::uint32_t()> ticks;
  // NowUs returns nowUs() when it is set, else 0.
  std::function<std::uint64_t()> nowUs;
  // Runs in SwapBuffers with the 1-based frame number.
  std::function<void(int frame)> onSwap;
  // What Showing and RefreshRate return.
  bool showing = true;
  double refreshRate = 0;
  void SetTicks(std::uint32_t ticks);
  void QueueMessage(const Message& message);
  // What ProgramDirectory returns; the real program's folder until set.
  void SetProgramDirectory(std::string directory);

  // What happened: one entry per call, in order ("SwapBuffers", "FreeSong", "Peek Other", ...).
  // Clock, cursor, Showing and RefreshRate reads are not recorded.
  const std::vector<std::string>& Calls() const { return calls_; }
  // For each frame, the tick counter value last read before its swap: the frame's clock.
  const std::vector<std::uint32_t>& FrameTicks() const { return frameTicks_; }

  // The window: every call succeeds.
  bool CreateDemoWindow(int, int) override {
    Record("CreateDemoWindow");
    return true;
  }
  bool CreateGLContext() override {
    Record("CreateGLContext");
    return true;
  }
  void ShowDemoWindow() override { Record("ShowDemoWindow"); }
  void SwapBuffers() override;
  void DeleteGLContext() override { Record("DeleteGLContext"); }
  void DestroyDemoWindow() override { Record("DestroyDemoWindow"); }
  void HideCursor() override { Record("HideCursor"); }
  std::string ErrorText() const override { return ""; }
  bool Showing() const override { return showing; }
  double RefreshRate() const override { return refreshRate; }
  DrawingArea WhereToDraw() const override { return DrawingArea{}; }

  // The clock and the queue, as scripted.
  std::uint32_t GetTickCount() override;
  std::uint64_t NowUs() override { return nowUs ? nowUs() : 0; }
  void Sleep(std::uint32_t milliseconds) override {
    Record("Sleep " + std::to_string(milliseconds));
  }
  CursorPos GetCursorPos() const override { return CursorPos{}; }
  bool PeekMessage(Message& message) override;
  void WaitForMessage(std::uint32_t timeoutMs) override {
    Record("WaitForMessage " + std::to_string(timeoutMs));
  }
  void PostQuitMessage(int exitCode) override;
  long DefWindowProc(const Message&) override {
    Record("DefWindowProc");
    return kDefaultResult;
  }

  // The value DefWindowProc returns, so a test can see that a result was passed through.
  static constexpr long kDefaultResult = 0x5eed;

  // The music: songs are stand-ins, never played.
  std::string ProgramDirectory() const override { return programDirectory_; }
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  Song* LoadSong(const char* path) override;
  void PlaySong(Song* song) override { Record(song != nullptr ? "PlaySong" : "PlaySong null"); }
  void FreeSong(Song* song) override { Record(song != nullptr ? "FreeSong" : "FreeSong null"); }

 private:
  void Record(std::string call) { calls_.push_back(std::move(call)); }

  std::uint32_t fixedTicks_ = 0;
  std::uint32_t lastTickRead_ = 0;
  std::deque<Message> queue_;
  std::vector<std::string> calls_;
  std::vector<std::uint32_t> frameTicks_;
  std::string programDirectory_;
};
