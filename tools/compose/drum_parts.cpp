// The drum patterns of each style.
#include <algorithm>

#include "instruments.h"
#include "parts.h"

namespace {

constexpr int kDrumNote = 49;  // C-4: every drum plays at its own speed

void Hit(Score& score, Channel channel, int row, Instrument drum, int volume) {
  score.Note(channel, row, kDrumNote, drum, volume);
}

// Sixteenth hats: an open hat on each off-beat eighth, closed ones between, accented on
// the eighths. With `eighthsOnly` the odd sixteenths are left out.
void Hats(Score& score, int row, int rowInBar, bool eighthsOnly) {
  if (rowInBar % 4 == 2) {
    Hit(score, kHatChannel, row, kOpenHat, 40);
  } else if (rowInBar % 2 == 0) {
    Hit(score, kHatChannel, row, kClosedHat, 44);
  } else if (!eighthsOnly) {
    Hit(score, kHatChannel, row, kClosedHat, 24);
  }
}

// A fill over the last half of a bar: snare hits growing louder, the hats keeping out.
void Fill(Score& score, int barStart, const std::vector<int>& rows) {
  int volume = 24;
  for (int rowInBar : rows) {
    Hit(score, kSnareChannel, barStart + rowInBar, kSnare, volume);
    volume = std::min(64, volume + 8);
  }
}

void BarOfGroove(Score& score, int barStart, bool lastBar) {
  for (int r = 0; r < kRowsPerBar; ++r) {
    const int row = barStart + r;
    if (r % 4 == 0) Hit(score, kKickChannel, row, kKick, 64);
    if (r == 4 || r == 12) Hit(score, kSnareChannel, row, kSnare, 56);
    if (!lastBar || r < 12) Hats(score, row, r, false);
  }
  if (lastBar) {
    Fill(score, barStart, {10, 13, 14, 15});
  } else if (barStart / kRowsPerBar % 2 == 1) {
    Hit(score, kSnareChannel, barStart + 14, kSnare, 14);  // a ghost note
  }
}

// Snare every quarter, then every eighth, then every sixteenth, swelling from quiet to full;
// in the last bar each hit is a semitone higher than the one before.
void BuildUp(Score& score, int first) {
  const int spacing[kBarsPerPattern] = {4, 2, 1, 1};
  for (int r = 0; r < kRowsPerPattern; ++r) {
    const int bar = r / kRowsPerBar;
    const int rowInBar = r % kRowsPerBar;
    const int volume = 12 + 52 * r / (kRowsPerPattern - 1);
    if (rowInBar % spacing[bar] == 0) {
      const int rise = bar == kBarsPerPattern - 1 ? rowInBar : 0;
      score.Note(kSnareChannel, first + r, kDrumNote + rise, kSnare, volume);
    }
    if (bar >= 2 && rowInBar % 4 == 0) Hit(score, kKickChannel, first + r, kKick, volume);
  }
}

}  // namespace

void WriteDrums(Score& score, int first, DrumStyle style) {
  if (style == DrumStyle::kBuildUp) {
    BuildUp(score, first);
    return;
  }
  for (int bar = 0; bar < kBarsPerPattern; ++bar) {
    const int barStart = first + bar * kRowsPerBar;
    const bool lastBar = bar == kBarsPerPattern - 1;
    for (int r = 0; r < kRowsPerBar; ++r) {
      const int row = barStart + r;
      switch (style) {
        case DrumStyle::kHatsLate:
          if (bar >= 2 && r % 4 == 2) Hit(score, kHatChannel, row, kClosedHat, 20 + 4 * bar);
          break;
        case DrumStyle::kIntro:
          if (r % 4 == 0) Hit(score, kKickChannel, row, kKick, 60);
          if (!lastBar || r < 8) Hats(score, row, r, true);
          break;
        case DrumStyle::kSparse:
          if (r % 4 == 2) Hit(score, kHatChannel, row, kClosedHat, 26);
          if (lastBar && r == 14) Hit(score, kHatChannel, row, kOpenHat, 30);
          break;
        default:
          break;
      }
    }
    if (style == DrumStyle::kIntro && lastBar) Fill(score, barStart, {8, 10, 12, 13, 14, 15});
    if (style == DrumStyle::kFull) BarOfGroove(score, barStart, lastBar);
  }
}

void WriteCrash(Score& score, int first) { Hit(score, kCrashChannel, first, kCrash, 48); }
