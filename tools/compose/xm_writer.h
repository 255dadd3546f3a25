// An Extended Module (XM) held in memory, and its serialisation to the bytes of an .xm file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::uint8_t kXmKeyOff = 97;  // the note value that releases a note

// What one channel does on one row. A zero field means "nothing here".
struct XmCell {
  std::uint8_t note = 0;        // 1 (C-0) .. 96 (B-7), or kXmKeyOff
  std::uint8_t instrument = 0;  // 1-based
  std::uint8_t volume = 0;      // the volume column byte; 0x10 + v sets the volume to v (0..64)
  std::uint8_t effect = 0;
  std::uint8_t param = 0;
};

struct XmPattern {
  XmPattern(int rowCount, int channelCount)
      : rows(rowCount), channels(channelCount), cells(rowCount * channelCount) {}
  XmCell& At(int row, int channel) { return cells[row * channels + channel]; }
  const XmCell& At(int row, int channel) const { return cells[row * channels + channel]; }

  int rows;
  int channels;
  std::vector<XmCell> cells;  // row by row
};

struct XmEnvelopePoint {
  std::uint16_t tick;
  std::uint16_t value;  // 0..64
};

// A volume envelope; no points means the envelope is off.
struct XmEnvelope {
  std::vector<XmEnvelopePoint> points;  // at most 12
  int sustainPoint = -1;                // index of the point held until key-off, or -1
};

// A 16-bit mono sample. Lengths and loop points are in sample frames.
struct XmSample {
  std::vector<std::int16_t> data;
  std::uint32_t loopStart = 0;
  std::uint32_t loopLength = 0;  // 0: no loop
  std::uint8_t volume = 64;
  std::uint8_t panning = 128;
  std::int8_t relativeNote = 0;  // semitones added to the note
  std::int8_t finetune = 0;      // 1/128 semitone
};

// An instrument that plays one sample on every note.
struct XmInstrument {
  std::string name;
  XmSample sample;
  XmEnvelope volumeEnvelope;
  std::uint16_t fadeout = 0;  // volume lost per tick after key-off, of 32768
  std::uint8_t vibratoSweep = 0;
  std::uint8_t vibratoDepth = 0;  // 0: no automatic (sine) vibrato
  std::uint8_t vibratoRate = 0;
};

struct XmModule {
  std::string name;
  int channels = 4;
  int speed = 6;  // ticks per row
  int bpm = 125;  // ticks per second are bpm * 2 / 5
  int restartPosition = 0;
  std::vector<std::uint8_t> orders;  // pattern numbers, in playing order
  std::vector<XmPattern> patterns;
  std::vector<XmInstrument> instruments;
};

// The file's bytes: header, packed patterns, instruments with delta-coded sample data.
// Frequencies use the linear table.
std::vector<std::uint8_t> WriteXm(const XmModule& module);
