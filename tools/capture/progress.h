// The progress a video capture shows on stderr: one line rewritten in place on a terminal,
// a plain line every few seconds anywhere else (a log file, a pipe).
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

// "45%  2025/4500 frames  2.3x real time  0:32 left" after done of total frames at fps took
// wallSeconds. Percent rounds down, so 100% means finished; speed and time left read "?"
// until a frame has taken measurable time.
std::string FormatProgress(std::int64_t done, std::int64_t total, int fps, double wallSeconds);

class ProgressLine {
 public:
  // Shows progress towards total frames at fps on out; terminal says whether out is one.
  ProgressLine(std::int64_t total, int fps, std::FILE* out, bool terminal);
  // Shows the progress after done frames: on a terminal at most a few times a second,
  // elsewhere every few seconds; always the first time and at the end.
  void Update(std::int64_t done);
  // Ends a line rewritten in place, so later messages start on a line of their own.
  void Finish();
  double WallSeconds() const;

 private:
  std::int64_t total_;
  int fps_;
  std::FILE* out_;
  bool terminal_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastShown_;
  bool shown_ = false;
};
