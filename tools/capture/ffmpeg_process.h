// The ffmpeg program as a child process that reads raw video frames from one pipe and raw
// sound from another.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

// The full path of an executable program named name on PATH, or "" when there is none.
std::string FindProgramOnPath(const std::string& name);

class FfmpegProcess {
 public:
  FfmpegProcess() = default;
  // Kills the process if it still runs.
  ~FfmpegProcess();
  FfmpegProcess(const FfmpegProcess&) = delete;
  FfmpegProcess& operator=(const FfmpegProcess&) = delete;

  // The child's file descriptor that reads the sound pipe ("pipe:3" to ffmpeg).
  static constexpr int kSoundInput = 3;

  // Starts program with the arguments (not counting the program name), its standard input
  // and kSoundInput pipes from us, and its standard output output (or ours when -1), in a
  // process group of its own so a Ctrl-C at the terminal reaches only us and we decide what
  // happens to it. False, with the reason in error, if it cannot start.
  bool Start(const std::string& program, const std::vector<std::string>& arguments, int output,
             std::string& error);
  // Hands over our end of the sound pipe; the caller writes to it and closes it.
  int TakeSoundInput();
  // Writes all of data to its input. False if the process stopped reading or a signal
  // interrupted the write while stop() is true.
  bool Write(const void* data, std::size_t size, bool (*stop)());
  // Closes its frame input and waits for it (the sound input must be closed by its writer). True if
  // it exited with status 0; otherwise error says how it ended.
  bool Finish(std::string& error);
  // Kills it at once and waits for it, for when its output will be thrown away.
  void Kill();

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int soundInput_ = -1;
};
