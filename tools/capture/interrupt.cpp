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
  // A closed terminal sends SIGHUP; it ends the capture as cleanly as Ctrl-C. Under nohup
  // (SIGHUP ignored) the capture goes on, as asked.
  struct sigaction hangUp {};
  sigaction(SIGHUP, nullptr, &hangUp);
  if (hangUp.sa_handler != SIG_IGN) sigaction(SIGHUP, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);
}

int InterruptSignal() { return caughtSignal; }

bool Interrupted() { return caughtSignal != 0; }
