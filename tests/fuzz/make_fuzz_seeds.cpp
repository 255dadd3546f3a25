// Writes the fuzzer's seed corpus: the composed soundtrack, the tiny test module, and
// variants of the soundtrack that are cut short or have header fields pushed to extremes.
// Usage: make_fuzz_seeds MUSIC_XM OUT_DIR
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/tiny_module.h"

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// Sets a little-endian 16-bit field of the XM header (offsets from the file's start).
std::vector<std::uint8_t> WithField(std::vector<std::uint8_t> bytes, std::size_t offset,
                                    std::uint16_t value) {
  if (offset + 1 < bytes.size()) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_fuzz_seeds MUSIC_XM OUT_DIR\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> song{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
  if (song.size() < 80) {
    std::fprintf(stderr, "make_fuzz_seeds: %s is not the composed module\n", argv[1]);
    return 1;
  }
  const std::string dir = argv[2];
  bool ok = Write(dir + "/soundtrack.xm", song) && Write(dir + "/tiny.xm", TinyModuleBytes());
  for (std::size_t length : {60u, 336u, 1000u, 4096u, 20000u}) {
    ok = ok && Write(dir + "/cut" + std::to_string(length) + ".xm",
                     {song.begin(), song.begin() + static_cast<std::ptrdiff_t>(length)});
  }
  // XM header fields: 68 song length, 70 restart position, 72 channels, 74 patterns,
  // 76 instruments, 80 tempo, 82 BPM.
  ok = ok && Write(dir + "/restart-past-end.xm", WithField(song, 70, 0xFFFF)) &&
       Write(dir + "/channels-odd.xm", WithField(song, 72, 33)) &&
       Write(dir + "/no-patterns.xm", WithField(song, 74, 0)) &&
       Write(dir + "/tempo-zero.xm", WithField(song, 80, 0)) &&
       Write(dir + "/bpm-huge.xm", WithField(song, 82, 0xFFFF));
  if (!ok) std::fprintf(stderr, "make_fuzz_seeds: cannot write to %s\n", argv[2]);
  return ok ? 0 : 1;
}
