// The tiny test module: a two-channel XM made with the demo's own XM writer, small enough to
// follow note by note, that sounds from its very first sample and loops to a restart position.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "score.h"
#include "xm_writer.h"

// Orders {0, 1}, restart at order 1. Pattern 0 (8 rows) plays C-4 on channel 0 from the first
// row and releases it on row 6; pattern 1 (4 rows) plays A-4 with a volume and a panning
// effect on channel 1. The instrument is a looping square wave. At 3 ticks a row and
// 125 BPM the song lasts 0.72 s, then order 1 repeats every 0.24 s.
inline XmModule TinyModule() {
  XmModule module;
  module.name = "tiny";
  module.channels = 2;
  module.speed = 3;
  module.bpm = 125;
  module.restartPosition = 1;
  module.orders = {0, 1};

  XmPattern first(8, 2);
  first.At(0, 0) = XmCell{49, 1, 0, 0, 0};
  first.At(6, 0) = XmCell{kXmKeyOff, 0, 0, 0, 0};
  XmPattern second(4, 2);
  second.At(0, 1) = XmCell{58, 1, 0x10 + 40, kSetPanning, 0xB8};
  module.patterns = {first, second};

  XmInstrument square;
  square.name = "square";
  for (int i = 0; i < 64; ++i) square.sample.data.push_back(i < 32 ? 20000 : -20000);
  square.sample.loopLength = 64;
  module.instruments = {square};
  return module;
}

inline std::vector<std::uint8_t> TinyModuleBytes() { return WriteXm(TinyModule()); }

inline bool WriteTinyModule(const std::string& path) {
  const std::vector<std::uint8_t> bytes = TinyModuleBytes();
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}
