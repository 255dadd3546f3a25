// The blob grid: not yet built, so scene 1 shows only its background.
#include "blob_grid.h"

void DrawBlobGrid(float) {}
