// The whole contract between the demo and the system it runs on: window and GL context,
// clock, cursor, message queue and music. SdlPlatform is the real one, ScriptedPlatform the
// one tests and tools drive by hand.
#pragma once

#include <cstdint>
#include <string>

// A position in picture pixels: (0, 0) is the top-left corner of the 800 x 600 picture.
struct CursorPos {
  int x = 0;
  int y = 0;
};

enum class MessageType {
  Quit,     // posted by PostQuitMessage; ends the frame loops
  Close,    // the window's close command
  KeyDown,  // a key press; wParam holds the key code
  Other,    // anything else, for default handling
};

// Key code of the Esc key, as delivered in a KeyDown message's wParam.
inline constexpr std::intptr_t kKeyEscape = 27;

struct Message {
  MessageType type = MessageType::Other;
  std::intptr_t wParam = 0;  // Quit: the exit code; KeyDown: the key code
};

// An opaque handle to a loaded music module; nullptr when no song could be loaded.
struct Song;

class Platform {
 public:
  virtual ~Platform() = default;

  // Window and GL context. Calls that can fail return false and leave the reason in
  // ErrorText(). The window is created hidden and covers the screen.
  virtual bool CreateDemoWindow(int width, int height) = 0;
  // A double-buffered RGBA context (24 colour bits, 16 depth bits), made current.
  virtual bool CreateGLContext() = 0;
  virtual void ShowDemoWindow() = 0;  // shows, raises and focuses the window
  virtual void SwapBuffers() = 0;
  virtual void DeleteGLContext() = 0;
  virtual void DestroyDemoWindow() = 0;
  virtual void HideCursor() = 0;
  virtual std::string ErrorText() const = 0;

  // Clock and input.
  virtual std::uint32_t GetTickCount() = 0;  // milliseconds; wraps at 2^32
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual CursorPos GetCursorPos() const = 0;
  // Takes at most one message off the queue; false when the queue is empty.
  virtual bool PeekMessage(Message& message) = 0;
  virtual void PostQuitMessage(int exitCode) = 0;
  virtual long DefWindowProc(const Message& message) = 0;

  // Music. A failed start or load must leave the other calls harmless.
  // The folder the program was started from, where its music may lie; "" when unknown.
  virtual std::string ProgramDirectory() const = 0;
  virtual void StartMixer(int mixRate, int maxChannels, unsigned flags) = 0;
  virtual Song* LoadSong(const char* path) = 0;
  virtual void PlaySong(Song* song) = 0;
  virtual void FreeSong(Song* song) = 0;
};
