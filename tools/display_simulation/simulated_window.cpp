// The simulated window's queue: empty until the time is up.
#include "simulated_window.h"

bool SimulatedWindow::PeekMessage(Message& message) {
  if (quitTaken_ || model_.NowNs() < endNs_) return false;
  quitTaken_ = true;
  message = Message{MessageType::Quit, 0};
  return true;
}
