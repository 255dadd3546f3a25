// Holding back what libraries print on stderr while they probe the system.
#pragma once

// While one lives, whatever is written to the process's stderr (file descriptor 2) goes
// nowhere. Display and sound libraries print their own diagnostics while SDL tries each
// driver (libwayland, ALSA); the platform reports one clear line of its own instead. Only for
// short spans on the starting thread: other threads lose their stderr meanwhile too.
class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;  // the real stderr, restored at the end; -1 when nothing was changed
};
