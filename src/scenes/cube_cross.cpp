// The cube cross: not yet built, so scene 2 shows only its background.
#include "cube_cross.h"

void DrawCubeCross(float) {}
