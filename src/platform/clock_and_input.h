// The clock, the cursor and the message queue: everything the demo reads from the system.
#pragma once

#include <cstdint>

#include "cursor_pos.h"

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

class ClockAndInput {
 public:
  virtual ~ClockAndInput() = default;

  virtual std::uint32_t GetTickCount() = 0;  // milliseconds; wraps at 2^32
  // Microseconds on a steady clock, for pacing frames and timing them.
  virtual std::uint64_t NowUs() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual CursorPos GetCursorPos() const = 0;  // in picture pixels
  // Takes at most one message off the queue; false when the queue is empty. Never waits.
  virtual bool PeekMessage(Message& message) = 0;
  // Waits until a message is in the queue or timeoutMs have passed, taking nothing off it.
  // Where the caller paces frames (a page, a capture) it returns at once.
  virtual void WaitForMessage(std::uint32_t timeoutMs) = 0;
  virtual void PostQuitMessage(int exitCode) = 0;
  virtual long DefWindowProc(const Message& message) = 0;
};
