/* start_without_handles.exe PROGRAM [ARGS...]: starts a program with no standard handles, waits
   for it and exits with its exit code (255 when it cannot be started). Built twice:
   - start_like_explorer.exe, a GUI program, so there is no console either: a program started
     from Explorer by a double-click;
   - start_from_console.exe, a console program, whose console the child may attach to: a GUI
     program typed at a command prompt. */
#include <string.h>
#include <windows.h>

#include "program_command_line.h"

int main(void) {
  STARTUPINFOA startup;
  PROCESS_INFORMATION process;
  DWORD exitCode = 255;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  /* Explicitly none: otherwise the child could inherit this launcher's own handles. */
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = NULL;
  startup.hStdOutput = NULL;
  startup.hStdError = NULL;
  if (!CreateProcessA(NULL, ProgramCommandLine(), NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                      &process)) {
    return 255;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return (int)exitCode;
}
