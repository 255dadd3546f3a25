// The progress line a video capture keeps rewriting on stderr.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// "45%  2025/4500 frames  2.3x real time  0:32 left" after done of total frames at fps took
// wallSeconds. Percent rounds down, so 100% means finished; speed and time left read "?"
// until a frame has taken measurable time.
std::string FormatProgress(std::int64_t done, std::int64_t total, int fps, double wallSeconds);

class ProgressLine {
 public:
  ProgressLine(std::int64_t total, int fps);
  // Rewrites the line after done frames, at most a few times a second, and always at the end.
  void Update(std::int64_t done);
  // Ends the line so later messages start on a line of their own.
  void Finish();
  double WallSeconds() const;

 private:
  std::int64_t total_;
  int fps_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastShown_;
  bool shown_ = false;
};
