// Temporary-then-rename output files.
#include "pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

PendingFile::~PendingFile() {
  if (!temporaryPath_.empty()) unlink(temporaryPath_.c_str());
}

bool PendingFile::Create(const std::string& finalPath, std::string& error) {
  struct stat existing {};
  if (stat(finalPath.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
    error = "cannot write " + finalPath + ": it is a folder";
    return false;
  }
  // "<name>.part-XXXXXX" in the same folder, so the final rename never crosses file systems.
  std::string pattern = finalPath + ".part-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    error = "cannot write " + finalPath + ": " + std::strerror(errno);
    return false;
  }
  // mkostemp makes the file private (0600); the result should be as readable as any new file.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  close(fd);
  finalPath_ = finalPath;
  temporaryPath_ = name.data();
  return true;
}

bool PendingFile::Commit(std::string& error) {
  if (std::rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0) {
    error = "cannot rename " + temporaryPath_ + " to " + finalPath_ + ": " + std::strerror(errno);
    return false;
  }
  temporaryPath_.clear();
  return true;
}
