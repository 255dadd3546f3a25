/* The launchers' shared step: the command line after the launcher's own name, as the system
   gave it, is the program to start and its arguments. */
#ifndef PROGRAM_COMMAND_LINE_H
#define PROGRAM_COMMAND_LINE_H

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

#endif
