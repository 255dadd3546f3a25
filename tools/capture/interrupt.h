// Ctrl-C (SIGINT), SIGTERM and SIGHUP (the terminal closed) during a capture are noted rather
// than obeyed at once, so the capture can stop its child process and remove its temporary
// files before it exits.
#pragma once

// Installs the handlers, and ignores SIGPIPE so that a child process that stops reading shows
// up as a failed write. Call before anything else starts (SDL leaves handlers it finds alone).
void CatchInterrupts();

// The signal that asked us to stop, or 0.
int InterruptSignal();
bool Interrupted();
