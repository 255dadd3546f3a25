// Starting, feeding and reaping the ffmpeg child process.
#include "ffmpeg_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace {

// Waits for pid across interrupting signals; returns its wait status.
int WaitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

}  // namespace

std::string FindProgramOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    // An empty entry means the working directory.
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    const std::string candidate = folder + "/" + name;
    struct stat file {};
    if (stat(candidate.c_str(), &file) == 0 && S_ISREG(file.st_mode) &&
        access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    start = end + 1;
  }
  return "";
}

FfmpegProcess::~FfmpegProcess() { Kill(); }

bool FfmpegProcess::Start(const std::string& program, const std::vector<std::string>& arguments,
                          int output, std::string& error) {
  int ends[2];
  int soundEnds[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    error = std::string("cannot make a pipe: ") + std::strerror(errno);
    return false;
  }
  if (pipe2(soundEnds, O_CLOEXEC) != 0) {
    error = std::string("cannot make a pipe: ") + std::strerror(errno);
    close(ends[0]);
    close(ends[1]);
    return false;
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The output first: it was opened before the pipes, so it may sit on kSoundInput's number.
  if (output >= 0) posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, soundEnds[0], kSoundInput);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // Our own process ignores SIGPIPE (a dead ffmpeg shows as a failed write); the child gets
  // the default back.
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  const int failed =
      posix_spawn(&pid_, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(ends[0]);
  close(soundEnds[0]);
  if (failed != 0) {
    close(ends[1]);
    close(soundEnds[1]);
    pid_ = -1;
    error = "cannot start " + program + ": " + std::strerror(failed);
    return false;
  }
  input_ = ends[1];
  soundInput_ = soundEnds[1];
  // A pipe that holds a whole frame or so lets the next frame be drawn while ffmpeg encodes;
  // the size is only a request (the system may cap it).
  fcntl(input_, F_SETPIPE_SZ, 1 << 21);
  return true;
}

bool FfmpegProcess::Write(const void* data, std::size_t size, bool (*stop)()) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(input_, bytes, size);
    if (written < 0) {
      if (errno == EINTR && !stop()) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool FfmpegProcess::Finish(std::string& error) {
  close(input_);
  input_ = -1;
  const int status = WaitFor(pid_);
  pid_ = -1;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
  error = WIFEXITED(status)
              ? "ffmpeg failed with exit status " + std::to_string(WEXITSTATUS(status))
              : "ffmpeg was ended by signal " + std::to_string(WTERMSIG(status));
  return false;
}

int FfmpegProcess::TakeSoundInput() {
  const int fd = soundInput_;
  soundInput_ = -1;
  return fd;
}

void FfmpegProcess::Kill() {
  if (input_ >= 0) close(input_);
  input_ = -1;
  if (soundInput_ >= 0) close(soundInput_);
  soundInput_ = -1;
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  WaitFor(pid_);
  pid_ = -1;
}
