// Where the demo's lines (TellUser: the usage, why it stops, why it plays silent) go on
// Windows. A GUI program has no console of its own, so they go to the standard streams it
// inherited (a pipe, a file, the terminal Wine runs in), else to the console of the program
// that started it (a command prompt), else they are kept and shown in a message box if the
// run fails, as a program started from Explorer is expected to.
#pragma once

#include <string>

#include "windows_api.h"

class ConsoleOrMessageBox {
 public:
  // Chooses where the lines go from now on.
  ConsoleOrMessageBox();
  ~ConsoleOrMessageBox();
  ConsoleOrMessageBox(const ConsoleOrMessageBox&) = delete;
  ConsoleOrMessageBox& operator=(const ConsoleOrMessageBox&) = delete;

  // Ends the run's output. Kept lines are shown in a message box when the run failed (a
  // non-zero exit code) or when they are what the user asked for (the usage).
  void Finish(int exitCode, bool askedForText);

 private:
  HANDLE console_ = INVALID_HANDLE_VALUE;  // the parent's console, when attached to it
  std::string kept_;                       // the lines, when there is nowhere to write them
};
