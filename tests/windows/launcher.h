/* The launchers' shared step: the command line after the launcher's own name, as the system
   gave it, is the program to start and its arguments; the launcher waits for it and exits with
   the exit code Windows reports for it (255 when it cannot be started). */
#ifndef LAUNCHER_H
#define LAUNCHER_H

#include <string.h>
#include <windows.h>

static char* ProgramCommandLine(void) {
  char* line = GetCommandLineA();
  if (*line == '"') {
    line = strchr(line + 1, '"');
    line = line != NULL ? line + 1 : GetCommandLineA() + strlen(GetCommandLineA());
  } else {
    while (*line != '\0' && *line != ' ' && *line != '\t') ++line;
  }
  while (*line == ' ' || *line == '\t') ++line;
  return line;
}

/* Starts the program with the standard handles given (inherited when `inherit` is TRUE),
   waits for it and returns its exit code. */
static int RunProgram(HANDLE input, HANDLE output, HANDLE error, BOOL inherit) {
  STARTUPINFOA startup;
  PROCESS_INFORMATION process;
  DWORD exitCode = 255;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = error;
  if (!CreateProcessA(NULL, ProgramCommandLine(), NULL, NULL, inherit, 0, NULL, NULL, &startup,
                      &process)) {
    return 255;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return (int)exitCode;
}

#endif
