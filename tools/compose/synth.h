// Building blocks for the soundtrack's samples: seeded noise, tones summed from harmonics,
// simple filters, and conversion into tuned 16-bit module samples.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "xm_writer.h"

// A sample made at this rate plays at its own speed on C-4 (8363 Hz, two octaves up).
inline constexpr double kNaturalRate = 33452.0;
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kMiddleC = 261.6255653;  // the pitch of C-4 in every tuned instrument

// Noise from a fixed seed, so every build makes the same samples.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next();  // uniform in [-1, 1)

 private:
  std::uint32_t state_;
};

// First-order filters with the corner given in cycles per sample.
class LowPass {
 public:
  explicit LowPass(double corner) : gain_(1.0 - std::exp(-2.0 * kPi * corner)) {}
  double operator()(double x) { return state_ += gain_ * (x - state_); }

 private:
  double gain_;
  double state_ = 0.0;
};

class HighPass {
 public:
  explicit HighPass(double corner) : lowPass_(corner) {}
  double operator()(double x) { return x - lowPass_(x); }

 private:
  LowPass lowPass_;
};

// Adds a tone of `harmonics` sine partials whose fundamental has period `period` samples;
// amplitude(k, n) gives partial k's amplitude at sample n. Phases come from `phases`, so a
// sum of many partials does not pile up into one spike.
template <typename Amplitude>
void AddTone(std::vector<double>& wave, double period, int harmonics, Amplitude amplitude,
             Noise& phases) {
  for (int k = 1; k <= harmonics; ++k) {
    const double phase = kPi * phases.Next();
    const double step = 2.0 * kPi * k / period;
    for (std::size_t n = 0; n < wave.size(); ++n) {
      wave[n] += amplitude(k, n) * std::sin(step * static_cast<double>(n) + phase);
    }
  }
}

// Scales the wave to the given peak (a fraction of full scale) and stores it as a sample
// tuned so that note C-4 plays it `rateAtC4` samples per second.
XmSample MakeSample(const std::vector<double>& wave, double rateAtC4, double peak = 0.9);

// The rate at which a tone with a period of `period` samples sounds at middle C.
inline double RateForPeriod(double period) { return kMiddleC * period; }

// The sample count of `seconds` at the given rate.
inline std::size_t Frames(double seconds, double rate) {
  return static_cast<std::size_t>(seconds * rate);
}

// Ramps the last `frames` samples down to silence, so a sample that ends does not click.
void FadeOut(std::vector<double>& wave, std::size_t frames);
