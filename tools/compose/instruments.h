// The soundtrack's instruments: drums, bass, pluck, pad and lead, every sample synthesised.
#pragma once

#include <cstdint>
#include <vector>

#include "xm_writer.h"

// Instrument numbers as the patterns use them (the file counts from 1).
enum Instrument : std::uint8_t {
  kKick = 1,
  kSnare,
  kClosedHat,
  kOpenHat,
  kCrash,
  kBass,
  kPluck,
  kPad,
  kLead,
};

// All instruments, in the order of Instrument.
std::vector<XmInstrument> SoundtrackInstruments();
