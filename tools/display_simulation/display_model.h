// A model of a PC's display in virtual time: the display's true refresh, whether a buffer swap
// waits for it (vsync), how long a frame takes to draw, and the time the program spends asleep.
// Deterministic: the same settings give the same run.
#pragma once

#include <cstdint>
#include <vector>

// A refresh rate as an exact fraction of hertz: 59.94 Hz is 60000 / 1001.
struct DisplayRate {
  std::int64_t numerator = 60;
  std::int64_t denominator = 1;
  double Hz() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
};

// The rate a display sold as `hz` has: the television rates (23.976, 59.94, 119.88, ...) are
// whole numbers divided by 1.001; any other is taken to the thousandth of a hertz.
DisplayRate DisplayRateFromHz(double hz);

class DisplayModel {
 public:
  DisplayModel(DisplayRate rate, bool vsync, double drawMs, std::int64_t startNs);

  std::int64_t NowNs() const { return nowNs_; }
  std::int64_t StartNs() const { return startNs_; }
  const DisplayRate& Rate() const { return rate_; }

  // The program draws a frame: the drawing time passes, awake.
  void DrawFrame();
  // The buffer swap: with vsync it returns at the next refresh, asleep until then; the frame
  // shows from that refresh on (without vsync, from the moment of the swap).
  void SwapBuffers();
  // The program is asleep (a sleep, a wait) until wakeNs.
  void SleepUntil(std::int64_t wakeNs);

  // The k-th refresh since the machine started, and the first one after t.
  std::int64_t RefreshTime(std::int64_t k) const;
  std::int64_t FirstRefreshAfter(std::int64_t t) const;

  // When each swapped frame began to show, in order.
  const std::vector<std::int64_t>& Shown() const { return shown_; }
  std::int64_t AsleepNs() const { return asleepNs_; }

 private:
  DisplayRate rate_;
  bool vsync_;
  std::int64_t drawNs_;
  std::int64_t startNs_;
  std::int64_t nowNs_;
  std::int64_t asleepNs_ = 0;
  std::vector<std::int64_t> shown_;
};
