// Placing notes on a song's channels.
#include "score.h"

Score::Score(int channels, int patterns)
    : patterns_(patterns, XmPattern(kRowsPerPattern, channels)), panning_(channels, -1) {}

void Score::SetPanning(int channel, std::uint8_t panning) { panning_.at(channel) = panning; }

XmCell* Score::Cell(int channel, int row) {
  if (row < 0 || row >= Rows()) return nullptr;
  return &patterns_[row / kRowsPerPattern].At(row % kRowsPerPattern, channel);
}

void Score::Note(int channel, int row, int note, int instrument, int volume) {
  XmCell* cell = Cell(channel, row);
  if (cell == nullptr) return;
  cell->note = static_cast<std::uint8_t>(note);
  cell->instrument = static_cast<std::uint8_t>(instrument);
  cell->volume = volume < 0 ? 0 : static_cast<std::uint8_t>(0x10 + volume);
  if (panning_.at(channel) >= 0) {
    cell->effect = kSetPanning;
    cell->param = static_cast<std::uint8_t>(panning_[channel]);
  }
}

void Score::KeyOff(int channel, int row) {
  XmCell* cell = Cell(channel, row);
  if (cell == nullptr) return;
  *cell = XmCell{};
  cell->note = kXmKeyOff;
}
