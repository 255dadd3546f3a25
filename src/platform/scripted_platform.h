// A platform driven by its owner: ticks, messages and the cursor are set by hand, every call
// is recorded, and frames are drawn into an offscreen GL context (or nowhere). Tests, the
// benchmark and the capture tool draw through it.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform.h"

class ScriptedPlatform final : public Platform {
 public:
  enum class Graphics {
    None,       // GL calls go to no context and draw nothing
    Offscreen,  // a real GL context on an offscreen surface of the window's size
  };

  explicit ScriptedPlatform(Graphics graphics = Graphics::None);
  ~ScriptedPlatform() override;
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  // The script. GetTickCount returns ticks() when it is set, else the last SetTicks value.
  std::function<std::uint32_t()> ticks;
  // Runs in SwapBuffers with the 1-based frame number, before anything is presented, so the
  // frame's pixels can still be read.
  std::function<void(int frame)> onSwap;
  void SetTicks(std::uint32_t ticks);
  void SetCursor(int x, int y);
  void QueueMessage(const Message& message);
  // What ProgramDirectory returns; the real program's folder until set.
  void SetProgramDirectory(std::string directory);

  // What happened: one entry per call, in order ("SwapBuffers", "FreeSong", "Peek Other", ...).
  // Tick and cursor reads are not recorded.
  const std::vector<std::string>& Calls() const { return calls_; }
  // For each frame, the tick counter value last read before its swap: the frame's clock.
  const std::vector<std::uint32_t>& FrameTicks() const { return frameTicks_; }
  int ExitCodePosted() const { return postedQuitCode_; }

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

  // The value DefWindowProc returns, so a test can see that a result was passed through.
  static constexpr long kDefaultResult = 0x5eed;

  std::string ProgramDirectory() const override;
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  Song* LoadSong(const char* path) override;
  void PlaySong(Song* song) override;
  void FreeSong(Song* song) override;

 private:
  void Record(std::string call) { calls_.push_back(std::move(call)); }

  Graphics graphics_;
  std::uint32_t fixedTicks_ = 0;
  std::uint32_t lastTickRead_ = 0;
  CursorPos cursor_;
  std::deque<Message> queue_;
  std::vector<std::string> calls_;
  std::vector<std::uint32_t> frameTicks_;
  int postedQuitCode_ = -1;
  std::string error_;
  std::string programDirectory_;
  bool videoStarted_ = false;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
};
