/* The smallest 32-bit Windows console program. If Wine prints its line, Wine can run the
   demo's 32-bit program on this machine; `wine --version` alone can succeed where no program
   starts. Run by scripts/wine32.sh during the set-up and by the tests' Wine prefix fixture. */
#include <stdio.h>

int main(void) {
  puts("32-bit Windows program ran");
  return 0;
}
