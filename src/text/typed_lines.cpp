// The typed text overlay: not yet built, so no text shows.
#include "typed_lines.h"

void DrawTypedLines(const TextTable&, int, float, float, Colour, float) {}
