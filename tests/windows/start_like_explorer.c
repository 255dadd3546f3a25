/* start_like_explorer.exe PROGRAM [ARGS...]: starts a program as Explorer does on a
   double-click, with no standard handles and no console to attach to (this launcher is a GUI
   program itself, so it has none to share), waits for it and exits with its exit code. Exit
   code 255 when the program cannot be started. */
#include <string.h>
#include <windows.h>

/* The command line after this launcher's own name, as the system gave it. */
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
  STARTUPINFOA startup;
  PROCESS_INFORMATION process;
  DWORD exitCode = 255;
  char* command = ProgramCommandLine();
  (void)instance;
  (void)previous;
  (void)arguments;
  (void)show;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  /* Explicitly none: otherwise the child could inherit this launcher's own handles. */
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = NULL;
  startup.hStdOutput = NULL;
  startup.hStdError = NULL;
  if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
    return 255;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return (int)exitCode;
}
