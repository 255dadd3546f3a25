// Reading a module file whole with POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "module_decoder.h"

bool ReadModuleFile(const char* path, std::vector<std::uint8_t>& bytes, std::string& why) {
  const int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) {
    why = std::string("cannot open ") + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat status {};
  bool ok = fstat(file, &status) == 0;
  if (!ok) {
    why = std::string("cannot examine ") + path + ": " + std::strerror(errno);
  } else if (!S_ISREG(status.st_mode)) {
    why = std::string(path) + " is not a regular file";
    ok = false;
  }
  std::uint8_t chunk[65536];
  while (ok) {
    const ssize_t got = read(file, chunk, sizeof chunk);
    if (got > 0) {
      bytes.insert(bytes.end(), chunk, chunk + got);
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      why = std::string("cannot read ") + path + ": " + std::strerror(errno);
      ok = false;
    }
  }
  close(file);
  return ok;
}
