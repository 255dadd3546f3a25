// The pitched parts: bass, arpeggio, pad and melodies.
#include <stdexcept>

#include "instruments.h"
#include "parts.h"

namespace {

// The bass's notes in one bar: which rows sound and which of them jump up an octave.
void BassBar(Score& score, int barStart, int root, BassStyle style, int swell) {
  for (int r = 0; r < kRowsPerBar; ++r) {
    const int row = barStart + r;
    switch (style) {
      case BassStyle::kOctaves:
        if (r % 2 == 0) {
          score.Note(kBassChannel, row, root + (r % 4 == 2 ? 12 : 0), kBass, r % 4 ? 40 : 50);
        }
        break;
      case BassStyle::kSyncopated:
        if (r == 0 || r == 3 || r == 6 || r == 8 || r == 10 || r == 12 || r == 14) {
          const bool high = r == 6 || r == 14;
          score.Note(kBassChannel, row, root + (high ? 12 : 0), kBass, high ? 40 : 50);
        }
        break;
      case BassStyle::kHeld:
        if (r == 0) score.Note(kBassChannel, row, root, kBass, 48);
        if (r == 14) score.KeyOff(kBassChannel, row);
        break;
      case BassStyle::kDrive:
        if (r % 2 == 0) score.Note(kBassChannel, row, root, kBass, swell);
        break;
      case BassStyle::kNone:
        if (r == 0) score.KeyOff(kBassChannel, row);
        break;
    }
  }
}

}  // namespace

void WriteBass(Score& score, int first, const Progression& chords, BassStyle style) {
  for (int bar = 0; bar < kBarsPerPattern; ++bar) {
    const int swell = 28 + 8 * bar;
    BassBar(score, first + bar * kRowsPerBar, chords[bar].root, style, swell);
  }
}

// Sixteenths over the chord's voices and the lowest voice an octave up, going up, down and
// up again; accents on the beat.
void WriteArpeggio(Score& score, int first, const Progression& chords, ArpStyle style) {
  const int order[8] = {0, 1, 2, 3, 2, 1, 2, 3};
  for (int r = 0; r < kRowsPerPattern; ++r) {
    const Chord& chord = chords[r / kRowsPerBar];
    const int tones[4] = {chord.voices[0], chord.voices[1], chord.voices[2], chord.voices[0] + 12};
    double level = r % 4 == 0 ? 44.0 : 30.0;
    if (style == ArpStyle::kFadeIn) level *= 0.25 + 0.75 * r / (kRowsPerPattern - 1);
    if (style == ArpStyle::kSoft) level *= 0.7;
    score.Note(kArpChannel, first + r, tones[order[r % 8]], kPluck, static_cast<int>(level));
  }
}

// Each voice sounds from the start of the pattern and moves only when its note changes, so
// notes shared by neighbouring chords are held rather than struck again.
void WritePad(Score& score, int first, const Progression& chords) {
  for (int voice = 0; voice < 3; ++voice) {
    const Channel channel = static_cast<Channel>(kPadChannel + voice);
    for (int bar = 0; bar < kBarsPerPattern; ++bar) {
      const int note = chords[bar].voices[voice];
      if (bar == 0 || note != chords[bar - 1].voices[voice]) {
        score.Note(channel, first + bar * kRowsPerBar, note, kPad);
      }
    }
  }
}

void WriteMelody(Score& score, int first, const std::string& melody, Channel channel, int transpose,
                 int delay, int volume) {
  int row = first + delay;
  for (const Step& step : ParseMelody(melody)) {
    if (step.note == 0) {
      score.KeyOff(channel, row);
    } else {
      score.Note(channel, row, step.note + transpose, kLead, volume);
    }
    row += step.rows;
  }
  if (row != first + delay + kRowsPerPattern) {
    throw std::invalid_argument("a melody is not " + std::to_string(kRowsPerPattern) +
                                " rows long: " + melody);
  }
}

void Silence(Score& score, int row, Channel channel) { score.KeyOff(channel, row); }
