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
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual CursorPos GetCursorPos() const = 0;  // in picture pixels
  // Takes at most one message off the queue; false when the queue is empty.
  virtual bool PeekMessage(Message& message) = 0;
  virtual void PostQuitMessage(int exitCode) = 0;
  virtual long DefWindowProc(const Message& message) = 0;
};
