// Opening a capture's output: a regular file through its links, or a stream.
#include "output_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

std::string Unwritable(const std::string& path, int error) {
  return "cannot write " + path + ": " + std::strerror(error);
}

}  // namespace

bool FollowLinks(const std::string& path, std::string& end, std::string& error) {
  constexpr int kMaxLinks = 40;  // as the kernel allows
  end = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    struct stat link {};
    if (lstat(end.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return true;
    std::vector<char> target(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : 4096) + 1);
    const ssize_t length = readlink(end.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
      error =
          "cannot follow the link " + end + ": " + std::strerror(length < 0 ? errno : ENAMETOOLONG);
      return false;
    }
    const std::string next(target.data(), static_cast<std::size_t>(length));
    const std::size_t slash = end.rfind('/');
    end = next[0] == '/' || slash == std::string::npos ? next : end.substr(0, slash + 1) + next;
  }
  error = Unwritable(path, ELOOP);
  return false;
}

OutputTarget::~OutputTarget() {
  if (ownsStream_) close(stream_);
}

bool OutputTarget::Open(const std::string& out, std::string& error) {
  if (out == "-") {
    name_ = "standard output";
    stream_ = STDOUT_FILENO;
    return true;
  }
  name_ = out;
  struct stat existing {};
  if (stat(out.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    if (S_ISDIR(existing.st_mode)) {
      error = "cannot write " + out + ": it is a folder";
      return false;
    }
    // Our own standard output (/dev/stdout, /dev/fd/1) is used as it is: reopening it may be
    // refused, as for a pipe that another user's shell made.
    struct stat ours {};
    if (fstat(STDOUT_FILENO, &ours) == 0 && ours.st_dev == existing.st_dev &&
        ours.st_ino == existing.st_ino) {
      stream_ = STDOUT_FILENO;
      return true;
    }
    // A pipe, terminal or device: written in place. (Opening a pipe waits for its reader.)
    stream_ = open(out.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (stream_ < 0) {
      error = Unwritable(out, errno);
      return false;
    }
    ownsStream_ = true;
    return true;
  }
  std::string file;
  return FollowLinks(out, file, error) && file_.Create(file, error);
}

bool OutputTarget::Commit(std::string& error) { return Streamed() || file_.Commit(error); }
