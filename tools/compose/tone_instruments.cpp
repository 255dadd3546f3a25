// Synthesis of the pitched instruments from sums of harmonics. Looped waves hold a whole
// number of periods of every partial, so the loops join without a seam.
#include "tone_instruments.h"

#include <algorithm>

#include "synth.h"

namespace {

XmInstrument Tone(const char* name, const std::vector<double>& wave, double period) {
  XmInstrument tone;
  tone.name = name;
  tone.sample = MakeSample(wave, RateForPeriod(period));
  return tone;
}

// Square and saw mixed: the odd harmonics full, the even ones at `evenShare`.
double HollowSaw(int k, double evenShare) { return (k % 2 == 1 ? 1.0 : evenShare) / k; }

// A gentle second-order low-pass on harmonic k with its corner at harmonic `corner`.
double Soften(int k, double corner) {
  const double ratio = k / corner;
  return 1.0 / std::sqrt(1.0 + ratio * ratio * ratio * ratio);
}

}  // namespace

// A plucked bass: bright at the attack, closing to a round tone that then loops one period.
XmInstrument Bass() {
  constexpr double kPeriod = 256.0;
  const std::size_t attack = 52 * 256;  // about 0.2 s, a whole number of periods
  std::vector<double> wave(attack + 256);
  Noise phases(0xBA55u);
  AddTone(
      wave, kPeriod, 96,
      [&](int k, std::size_t n) {
        const double opening = 1.0 - std::min(1.0, static_cast<double>(n) / attack);
        return HollowSaw(k, 0.55) * Soften(k, 6.0 + 34.0 * opening * opening);
      },
      phases);
  XmInstrument bass = Tone("bass", wave, kPeriod);
  bass.sample.loopStart = attack;
  bass.sample.loopLength = 256;
  bass.volumeEnvelope = {{{0, 64}, {3, 56}, {12, 46}, {40, 40}}, 3};
  bass.fadeout = 3000;
  return bass;
}

// A short pluck whose upper harmonics die first, for the arpeggios.
XmInstrument Pluck() {
  constexpr double kPeriod = 128.0;
  const double rate = RateForPeriod(kPeriod);
  std::vector<double> wave(Frames(0.6, rate));
  Noise phases(0x9100Cu);
  AddTone(
      wave, kPeriod, 28,
      [&](int k, std::size_t n) { return std::exp(-(n / rate) * (4.0 + 1.6 * k)) / k; }, phases);
  FadeOut(wave, Frames(0.05, rate));
  return Tone("pluck", wave, kPeriod);
}

// Three soft saws 13.5 cents apart over a sine an octave down; the loop holds 127, 128 and
// 129 periods of them, so the chorus beats keep going through the loop.
XmInstrument Pad() {
  constexpr double kPeriod = 128.0;
  constexpr double kLoop = 128.0 * kPeriod;
  std::vector<double> wave(static_cast<std::size_t>(kLoop));
  Noise phases(0x9ADu);
  for (double cycles : {127.0, 128.0, 129.0}) {
    AddTone(
        wave, kLoop / cycles, 20, [](int k, std::size_t) { return 1.0 / std::pow(k, 1.5); },
        phases);
  }
  AddTone(
      wave, 2.0 * kPeriod, 1, [](int, std::size_t) { return 0.6; }, phases);
  XmInstrument pad = Tone("pad", wave, kPeriod);
  pad.sample.loopLength = wave.size();
  pad.volumeEnvelope = {{{0, 0}, {16, 50}, {48, 64}}, 2};
  pad.fadeout = 512;
  return pad;
}

// Two hollow saws 13.5 cents apart, with a vibrato that grows in as a note is held.
XmInstrument Lead() {
  constexpr double kPeriod = 128.0;
  constexpr double kLoop = 128.0 * kPeriod;
  std::vector<double> wave(static_cast<std::size_t>(kLoop));
  Noise phases(0x1EADu);
  for (double cycles : {128.0, 129.0}) {
    AddTone(
        wave, kLoop / cycles, 18, [](int k, std::size_t) { return HollowSaw(k, 0.35); }, phases);
  }
  XmInstrument lead = Tone("lead", wave, kPeriod);
  lead.sample.loopLength = wave.size();
  lead.volumeEnvelope = {{{0, 48}, {2, 64}, {10, 54}, {40, 48}}, 3};
  lead.fadeout = 1800;
  lead.vibratoSweep = 48;
  lead.vibratoDepth = 3;
  lead.vibratoRate = 10;
  return lead;
}
