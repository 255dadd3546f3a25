// Drum synthesis. Each drum is a one-shot sample at the natural rate, played on C-4.
#include "drum_kit.h"

#include "synth.h"

namespace {

constexpr double kRate = kNaturalRate;

XmInstrument Drum(const char* name, std::vector<double>& wave, double peak = 0.9) {
  FadeOut(wave, Frames(0.01, kRate));
  XmInstrument drum;
  drum.name = name;
  drum.sample = MakeSample(wave, kRate, peak);
  return drum;
}

// Noise through two high-pass stages, decaying with time constant `decay`: a hi-hat or the
// wash of a cymbal.
std::vector<double> Hiss(double seconds, double corner, double decay, std::uint32_t seed) {
  Noise noise(seed);
  HighPass first(corner / kRate);
  HighPass second(corner / kRate);
  std::vector<double> wave(Frames(seconds, kRate));
  for (std::size_t n = 0; n < wave.size(); ++n) {
    const double t = n / kRate;
    wave[n] = second(first(noise.Next())) * std::exp(-t / decay);
  }
  return wave;
}

}  // namespace

// A sine falling from about 170 Hz to 46 Hz, softly saturated, with a noise click on top.
XmInstrument Kick() {
  Noise noise(0x4B1C4u);
  std::vector<double> wave(Frames(0.42, kRate));
  double phase = 0.0;
  for (std::size_t n = 0; n < wave.size(); ++n) {
    const double t = n / kRate;
    phase += 2.0 * kPi * (46.0 + 125.0 * std::exp(-t / 0.03)) / kRate;
    const double body = std::sin(phase) * std::exp(-t / 0.13);
    const double click = 0.35 * noise.Next() * std::exp(-t / 0.0015);
    wave[n] = std::tanh(1.6 * (body + click));
  }
  return Drum("kick", wave, 0.95);
}

// A short drop from 210 Hz for the shell, band-limited noise for the wires.
XmInstrument Snare() {
  Noise noise(0x5A4E3u);
  HighPass wiresLow(1200.0 / kRate);
  LowPass wiresHigh(9000.0 / kRate);
  std::vector<double> wave(Frames(0.3, kRate));
  double phase = 0.0;
  for (std::size_t n = 0; n < wave.size(); ++n) {
    const double t = n / kRate;
    phase += 2.0 * kPi * (170.0 + 40.0 * std::exp(-t / 0.02)) / kRate;
    const double shell = 0.6 * std::sin(phase) * std::exp(-t / 0.05);
    const double wires = wiresHigh(wiresLow(noise.Next())) * std::exp(-t / 0.085);
    wave[n] = shell + 1.4 * wires;
  }
  return Drum("snare", wave);
}

XmInstrument ClosedHat() {
  std::vector<double> wave = Hiss(0.09, 7000.0, 0.016, 0xC105Eu);
  return Drum("closed hat", wave);
}

XmInstrument OpenHat() {
  std::vector<double> wave = Hiss(0.4, 6500.0, 0.11, 0x0BE7u);
  return Drum("open hat", wave);
}

// Bright noise with a handful of clashing partials ringing inside it.
XmInstrument Crash() {
  std::vector<double> wave = Hiss(1.6, 4500.0, 0.5, 0xC4A54u);
  const double partials[] = {3135.0, 4271.0, 5612.0, 6744.0, 8192.0, 9345.0};
  for (std::size_t n = 0; n < wave.size(); ++n) {
    const double t = n / kRate;
    double ring = 0.0;
    for (double frequency : partials) ring += std::sin(2.0 * kPi * frequency * t);
    wave[n] += 0.06 * ring * std::exp(-t / 0.3);
  }
  return Drum("crash", wave);
}
