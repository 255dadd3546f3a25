// A tiny four-channel tracker module built byte by byte, so tests can render real music
// without a soundtrack file: one instrument (a looping square wave) and one pattern whose
// first row plays it.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> TinyModule() {
  constexpr int kSampleWords = 16;  // 32 one-byte samples: one period of the wave
  std::vector<std::uint8_t> bytes(20, 0);
  const std::string title = "capture test";
  std::copy(title.begin(), title.end(), bytes.begin());

  for (int instrument = 1; instrument <= 31; ++instrument) {
    std::vector<std::uint8_t> header(30, 0);
    if (instrument == 1) {
      header[22] = 0;
      header[23] = kSampleWords;  // length in 16-bit words, big-endian
      header[25] = 64;            // full volume
      header[26] = 0;             // loop start 0
      header[27] = 0;
      header[28] = 0;  // loop over the whole sample
      header[29] = kSampleWords;
    } else {
      header[29] = 1;  // the format's "no loop"
    }
    bytes.insert(bytes.end(), header.begin(), header.end());
  }

  bytes.push_back(1);  // one position in the song
  bytes.push_back(127);
  std::vector<std::uint8_t> order(128, 0);
  bytes.insert(bytes.end(), order.begin(), order.end());
  for (char c : std::string("M.K.")) bytes.push_back(static_cast<std::uint8_t>(c));

  // Pattern 0: 64 rows x 4 channels x 4 bytes; row 0, channel 0 plays instrument 1 at
  // period 428 (middle C) and the wave loops from then on.
  std::vector<std::uint8_t> pattern(64 * 4 * 4, 0);
  const int period = 428;
  pattern[0] = static_cast<std::uint8_t>(period >> 8);
  pattern[1] = static_cast<std::uint8_t>(period & 0xFF);
  pattern[2] = 0x10;  // instrument 1, no effect
  bytes.insert(bytes.end(), pattern.begin(), pattern.end());

  for (int i = 0; i < 2 * kSampleWords; ++i) {
    bytes.push_back(static_cast<std::uint8_t>(i < kSampleWords ? 100 : -100));
  }
  return bytes;
}

inline bool WriteTinyModule(const std::string& path) {
  const std::vector<std::uint8_t> bytes = TinyModule();
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}
