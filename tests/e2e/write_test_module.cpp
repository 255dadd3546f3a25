// Writes the tiny test module to the path given, for end-to-end tests that need music.
#include <cstdio>

#include "support/tiny_module.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_test_module FILE\n");
    return 2;
  }
  return WriteTinyModule(argv[1]) ? 0 : 1;
}
