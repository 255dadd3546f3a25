// The bitmap font: not yet built, so text draws nothing.
#include "font.h"

void BuildFont() {}

void glPrint(const char*, ...) {}
