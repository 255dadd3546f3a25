// The arrangement: which parts play in each of the twelve four-bar sections, and the tunes.
#include "composition.h"

#include "instruments.h"
#include "parts.h"

namespace {

// Am F C G, with the second half of the theme turning through G to E major, the home
// key's dominant.
const Progression kThemeChords = {Chord("A1", "A3", "C4", "E4"), Chord("F1", "A3", "C4", "F4"),
                                  Chord("C2", "G3", "C4", "E4"), Chord("G1", "G3", "B3", "D4")};
const Progression kAnswerChords = {Chord("A1", "A3", "C4", "E4"), Chord("F1", "A3", "C4", "F4"),
                                   Chord("G1", "G3", "B3", "D4"), Chord("E1", "G#3", "B3", "E4")};
const Progression kVariationChords = {Chord("D2", "A3", "D4", "F4"), Chord("A1", "A3", "C4", "E4"),
                                      Chord("F1", "A3", "C4", "F4"),
                                      Chord("E1", "G#3", "B3", "E4")};

// The theme: a 3-3-2 rhythm climbing the chord, answered an octave higher and brought home
// through the leading tone G#.
const char kTheme[] =
    "A4:3 C5:3 E5:2 A5:4 G5:2 E5:2  F5:3 E5:3 C5:2 A4:4 C5:2 E5:2 "
    "G5:3 E5:3 C5:2 G4:4 C5:2 D5:2  D5:6 B4:2 G4:4 B4:2 D5:2";
const char kAnswer[] =
    "E5:3 A5:3 E5:2 C6:4 B5:2 A5:2  A5:3 F5:3 C5:2 F5:4 E5:2 F5:2 "
    "G5:3 D5:3 B4:2 D5:4 E5:2 F5:2  G#5:6 E5:2 B4:4 G#4:2 B4:2";
// Long notes for the break, and a singing line for the variation.
const char kBreakLine[] = "E5:12 D5:4  C5:12 A4:4  G4:8 C5:8  D5:12 -:4";
const char kVariation[] =
    "F5:6 E5:2 D5:4 A4:4  C5:6 B4:2 A4:4 E4:4  A4:4 C5:4 F5:4 A5:4  G#5:8 B5:4 G#5:4";
const char kVariationAnswer[] =
    "A5:6 G5:2 F5:4 D5:4  E5:6 D5:2 C5:4 A4:4  C5:4 F5:4 A5:4 C6:4  B5:8 G#5:4 E5:4";

struct Section {
  const Progression& chords;
  DrumStyle drums;
  BassStyle bass;
  ArpStyle arpeggio;
  const char* melody;  // nullptr: the lead rests
  bool echo;           // the lead's echo plays
  bool doubled;        // the lead is doubled an octave down
  bool crash;          // a crash marks the section's start
};

const Section kSections[] = {
    // Intro: pad and arpeggio fading in, then drums and bass.
    {kThemeChords, DrumStyle::kHatsLate, BassStyle::kNone, ArpStyle::kFadeIn, nullptr, false, false,
     false},
    {kThemeChords, DrumStyle::kIntro, BassStyle::kOctaves, ArpStyle::kFull, nullptr, false, false,
     false},
    // The theme (the song loops back here), then again with the echo.
    {kThemeChords, DrumStyle::kFull, BassStyle::kOctaves, ArpStyle::kFull, kTheme, false, false,
     true},
    {kAnswerChords, DrumStyle::kFull, BassStyle::kOctaves, ArpStyle::kFull, kAnswer, false, false,
     false},
    {kThemeChords, DrumStyle::kFull, BassStyle::kOctaves, ArpStyle::kFull, kTheme, true, false,
     true},
    {kAnswerChords, DrumStyle::kFull, BassStyle::kOctaves, ArpStyle::kFull, kAnswer, true, false,
     false},
    // Break: the drums drop out, then a snare roll builds up.
    {kThemeChords, DrumStyle::kSparse, BassStyle::kHeld, ArpStyle::kSoft, kBreakLine, true, false,
     true},
    {kAnswerChords, DrumStyle::kBuildUp, BassStyle::kDrive, ArpStyle::kFull, nullptr, false, false,
     false},
    // Variation over D minor, syncopated bass.
    {kVariationChords, DrumStyle::kFull, BassStyle::kSyncopated, ArpStyle::kFull, kVariation, true,
     false, true},
    {kVariationChords, DrumStyle::kFull, BassStyle::kSyncopated, ArpStyle::kFull, kVariationAnswer,
     true, false, false},
    // The theme once more, the lead doubled.
    {kThemeChords, DrumStyle::kFull, BassStyle::kOctaves, ArpStyle::kFull, kTheme, true, true,
     true},
    {kAnswerChords, DrumStyle::kFull, BassStyle::kOctaves, ArpStyle::kFull, kAnswer, true, true,
     false},
};

constexpr int kEchoDelay = 3;  // rows: a dotted eighth
constexpr int kSectionCount = sizeof(kSections) / sizeof(kSections[0]);

// Every section writes each part or silences it, so a section sounds the same whether it is
// reached from the one before it or by looping back.
void WriteSection(Score& score, int first, const Section& section) {
  WriteDrums(score, first, section.drums);
  if (section.crash) WriteCrash(score, first);
  WriteBass(score, first, section.chords, section.bass);
  WriteArpeggio(score, first, section.chords, section.arpeggio);
  WritePad(score, first, section.chords);
  if (section.melody != nullptr) {
    WriteMelody(score, first, section.melody, kLeadChannel);
  } else {
    Silence(score, first, kLeadChannel);
  }
  if (section.echo) {
    WriteMelody(score, first, section.melody, kEchoChannel, 0, kEchoDelay, 22);
  } else {
    Silence(score, first + kEchoDelay, kEchoChannel);
  }
  if (section.doubled) {
    WriteMelody(score, first, section.melody, kDoubleChannel, -12, 0, 26);
  } else {
    Silence(score, first, kDoubleChannel);
  }
}

}  // namespace

XmModule ComposeSoundtrack() {
  Score score(kChannelCount, kSectionCount);
  score.SetPanning(kArpChannel, 80);
  score.SetPanning(kPadChannel, 88);
  score.SetPanning(kPadChannel + 1, 128);
  score.SetPanning(kPadChannel + 2, 168);
  score.SetPanning(kEchoChannel, 184);
  score.SetPanning(kDoubleChannel, 108);
  for (int i = 0; i < kSectionCount; ++i) WriteSection(score, i * kRowsPerPattern, kSections[i]);

  XmModule module;
  module.name = "Lattice in A minor";
  module.channels = kChannelCount;
  module.speed = 6;  // with 4 rows a beat: 128 beats a minute
  module.bpm = 128;
  module.restartPosition = kRestartOrder;
  module.patterns = score.Patterns();
  for (int i = 0; i < kSectionCount; ++i) module.orders.push_back(static_cast<std::uint8_t>(i));
  module.instruments = SoundtrackInstruments();
  return module;
}
