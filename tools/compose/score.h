// A song being written: notes placed on channels at rows counted from the song's start, cut
// into patterns of 64 rows at the end.
#pragma once

#include <cstdint>
#include <vector>

#include "xm_writer.h"

inline constexpr int kRowsPerPattern = 64;
inline constexpr int kRowsPerBar = 16;  // a row is a sixteenth note
inline constexpr int kBarsPerPattern = kRowsPerPattern / kRowsPerBar;
inline constexpr std::uint8_t kSetPanning = 0x08;  // effect 8xx

class Score {
 public:
  Score(int channels, int patterns);

  int Rows() const { return static_cast<int>(patterns_.size()) * kRowsPerPattern; }

  // Every note placed on the channel from now on also sets its stereo position (0..255).
  void SetPanning(int channel, std::uint8_t panning);
  // Plays a note at a volume of 0..64, or at the instrument's own level when volume is -1.
  // Rows outside the song are left out, so an echo may run past the end.
  void Note(int channel, int row, int note, int instrument, int volume = -1);
  void KeyOff(int channel, int row);

  std::vector<XmPattern> Patterns() const { return patterns_; }

 private:
  XmCell* Cell(int channel, int row);

  std::vector<XmPattern> patterns_;
  std::vector<int> panning_;  // -1: leave the channel's panning alone
};
