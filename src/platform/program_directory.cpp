// The running program's folder through SDL_GetBasePath.
#include "program_directory.h"

#include <SDL.h>

std::string RunningProgramDirectory() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) return "";
  std::string directory = base;
  SDL_free(base);
  return directory;
}
