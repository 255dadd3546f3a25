// Progress reporting for a video capture.
#include "progress.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Clock(double seconds) {
  const long whole = std::lround(std::ceil(seconds));
  char text[32];
  if (whole >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  }
  return text;
}

}  // namespace

std::string FormatProgress(std::int64_t done, std::int64_t total, int fps, double wallSeconds) {
  const long long percent = total > 0 ? done * 100 / total : 100;
  char text[160];
  if (done <= 0 || wallSeconds <= 0) {
    std::snprintf(text, sizeof text, "%3lld%%  %lld/%lld frames  ?x real time  ? left", percent,
                  static_cast<long long>(done), static_cast<long long>(total));
    return text;
  }
  const double speed = static_cast<double>(done) / fps / wallSeconds;
  const double left = wallSeconds * static_cast<double>(total - done) / static_cast<double>(done);
  std::snprintf(text, sizeof text, "%3lld%%  %lld/%lld frames  %.1fx real time  %s left", percent,
                static_cast<long long>(done), static_cast<long long>(total), speed,
                Clock(left).c_str());
  return text;
}

ProgressLine::ProgressLine(std::int64_t total, int fps, std::FILE* out, bool terminal)
    : total_(total),
      fps_(fps),
      out_(out),
      terminal_(terminal),
      start_(std::chrono::steady_clock::now()),
      lastShown_(start_) {}

void ProgressLine::Update(std::int64_t done) {
  const auto now = std::chrono::steady_clock::now();
  const auto interval = terminal_ ? std::chrono::milliseconds(250) : std::chrono::seconds(5);
  if (shown_ && done < total_ && now - lastShown_ < interval) return;
  lastShown_ = now;
  shown_ = true;
  const std::string line = FormatProgress(done, total_, fps_, WallSeconds());
  if (terminal_) {
    // Padding covers what a longer previous line left behind.
    std::fprintf(out_, "\rdemo-capture: %-60s", line.c_str());
  } else {
    std::fprintf(out_, "demo-capture: %s\n", line.c_str());
  }
  std::fflush(out_);
}

void ProgressLine::Finish() {
  if (shown_ && terminal_) std::fputc('\n', out_);
  shown_ = false;
}

double ProgressLine::WallSeconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}
