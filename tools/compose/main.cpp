// compose_soundtrack OUT.xm: writes the demo's soundtrack module.
#include <cstdio>
#include <exception>
#include <vector>

#include "composition.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: compose_soundtrack OUT.xm\n");
    return 2;
  }
  try {
    const std::vector<std::uint8_t> bytes = WriteXm(ComposeSoundtrack());
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
      std::perror(argv[1]);
      return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
      std::perror(argv[1]);
      std::remove(argv[1]);
      return 1;
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "compose_soundtrack: %s\n", error.what());
    return 1;
  }
  return 0;
}
