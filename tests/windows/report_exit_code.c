/* report_exit_code.exe PROGRAM [ARGS...]: runs a program with this launcher's standard handles,
   waits for it and exits with the exit code Windows reports for it (255 when it cannot be
   started). The end-to-end tests start demo.exe through it: Wine's server kills a process
   whose last thread has ended if its Linux side is slow to go (under load, through qemu), and
   the status of that Linux process then says SIGKILL where Windows reports the exit code.
   A GUI program itself, so the program finds no console it did not find before. */
#include "launcher.h"

/* The standard handle `which`, duplicated so that a child can inherit it (NULL if none). */
static HANDLE Inheritable(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  HANDLE copy = NULL;
  if (handle == NULL || handle == INVALID_HANDLE_VALUE) return NULL;
  if (!DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, TRUE,
                       DUPLICATE_SAME_ACCESS)) {
    return NULL;
  }
  return copy;
}

int main(void) {
  return RunProgram(Inheritable(STD_INPUT_HANDLE), Inheritable(STD_OUTPUT_HANDLE),
                    Inheritable(STD_ERROR_HANDLE), TRUE);
}
