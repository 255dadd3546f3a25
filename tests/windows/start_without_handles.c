/* start_without_handles.exe PROGRAM [ARGS...]: starts a program with no standard handles, waits
   for it and exits with its exit code (255 when it cannot be started). Built twice:
   - start_like_explorer.exe, a GUI program, so there is no console either: a program started
     from Explorer by a double-click;
   - start_from_console.exe, a console program, whose console the child may attach to: a GUI
     program typed at a command prompt. */
#include "launcher.h"

int main(void) {
  /* Explicitly none: otherwise the child could inherit this launcher's own handles. */
  return RunProgram(NULL, NULL, NULL, FALSE);
}
