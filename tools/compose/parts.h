// The band's parts, each written over one pattern (four bars) of the score.
#pragma once

#include <array>
#include <string>

#include "notes.h"
#include "score.h"

// The module's channels.
enum Channel : int {
  kKickChannel,
  kSnareChannel,
  kHatChannel,
  kCrashChannel,
  kBassChannel,
  kArpChannel,
  kPadChannel,  // and the two after it: one pad voice each
  kLeadChannel = kPadChannel + 3,
  kEchoChannel,    // the lead again, three sixteenths later and quieter
  kDoubleChannel,  // the lead an octave down
  kChannelCount,
};

using Progression = std::array<Chord, kBarsPerPattern>;  // one chord per bar

enum class DrumStyle {
  kHatsLate,  // hats joining in the second half
  kIntro,     // kick and hats, a snare fill at the end
  kFull,      // kick, backbeat snare, sixteenth hats, a fill at the end
  kSparse,    // quiet ticking hats only
  kBuildUp,   // a snare roll that speeds up, rises and swells
};

enum class BassStyle {
  kNone,
  kOctaves,     // eighths jumping between the root and its octave
  kSyncopated,  // 3-3-2 accents
  kHeld,        // one long note a bar
  kDrive,       // eighths on the root, swelling
};

enum class ArpStyle {
  kFadeIn,
  kFull,
  kSoft,
};

// Each writer fills rows first .. first + 63.
void WriteDrums(Score& score, int first, DrumStyle style);
void WriteCrash(Score& score, int first);
void WriteBass(Score& score, int first, const Progression& chords, BassStyle style);
void WriteArpeggio(Score& score, int first, const Progression& chords, ArpStyle style);
void WritePad(Score& score, int first, const Progression& chords);
// Plays a 64-row melody on the channel, transposed by `transpose` semitones, `delay` rows
// late, at the given volume (-1: the instrument's own). Throws std::invalid_argument when
// the melody is not 64 rows long.
void WriteMelody(Score& score, int first, const std::string& melody, Channel channel,
                 int transpose = 0, int delay = 0, int volume = -1);
// Releases whatever the channel still holds at the given row.
void Silence(Score& score, int row, Channel channel);
