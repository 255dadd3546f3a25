/* report_exit_code.exe PROGRAM [ARGS...]: runs a program with this launcher's standard handles,
   waits for it and exits with the exit code Windows reports for it (255 when it cannot be
   started). The end-to-end tests start demo.exe through it: Wine's server kills a process
   whose last thread has ended if its Linux side is slow to go (under load, through qemu), and
   the status of that Linux process then says SIGKILL where Windows reports the exit code.
   A GUI program itself, so the program finds no console it did not find before. */
#include <string.h>
#include <windows.h>

#include "program_command_line.h"

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
  STARTUPINFOA startup;
  PROCESS_INFORMATION process;
  DWORD exitCode = 255;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = Inheritable(STD_INPUT_HANDLE);
  startup.hStdOutput = Inheritable(STD_OUTPUT_HANDLE);
  startup.hStdError = Inheritable(STD_ERROR_HANDLE);
  if (!CreateProcessA(NULL, ProgramCommandLine(), NULL, NULL, TRUE, 0, NULL, NULL, &startup,
                      &process)) {
    return 255;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &exitCode);
  return (int)exitCode;
}
