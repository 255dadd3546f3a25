// Signal handlers that only record the signal.
#include "interrupt.h"

#include <signal.h>

namespace {

volatile sig_atomic_t caughtSignal = 0;

void Note(int signal) { caughtSignal = signal; }

}  // namespace

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = Note;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a blocking write returns early, so the capture notices at once.
  action.sa_flags = 0;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);
}

int InterruptSignal() { return caughtSignal; }

bool Interrupted() { return caughtSignal != 0; }
