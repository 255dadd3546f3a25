// Seeded noise and the conversion of synthesised waves into tuned 16-bit samples.
#include "synth.h"

#include <algorithm>

double Noise::Next() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

XmSample MakeSample(const std::vector<double>& wave, double rateAtC4, double peak) {
  double largest = 0.0;
  for (double x : wave) largest = std::max(largest, std::fabs(x));
  const double scale = largest > 0.0 ? peak * 32767.0 / largest : 0.0;
  XmSample sample;
  sample.data.reserve(wave.size());
  for (double x : wave) sample.data.push_back(static_cast<std::int16_t>(std::lround(x * scale)));

  // The module plays C-4 at 8363 Hz, moved by relativeNote semitones and finetune 128ths.
  const double semitones = 12.0 * std::log2(rateAtC4 / 8363.0);
  const long whole = std::lround(semitones);
  sample.relativeNote = static_cast<std::int8_t>(whole);
  sample.finetune = static_cast<std::int8_t>(std::lround((semitones - whole) * 128.0));
  return sample;
}

void FadeOut(std::vector<double>& wave, std::size_t frames) {
  frames = std::min(frames, wave.size());
  for (std::size_t i = 0; i < frames; ++i) {
    wave[wave.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(frames);
  }
}
