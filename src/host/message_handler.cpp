// Esc and the close command end the run; the rest is the system's.
#include "message_handler.h"

long WndProc(ClockAndInput& input, const Message& message) {
  switch (message.type) {
    case MessageType::Close:
      input.PostQuitMessage(0);
      return 0;
    case MessageType::KeyDown:
      if (message.wParam == kKeyEscape) input.PostQuitMessage(0);
      return 0;
    default:
      return input.DefWindowProc(message);
  }
}
