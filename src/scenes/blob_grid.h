// Scene 1: a 16 x 16 x 16 lattice of cubes sized by two swimming field centres.
#pragma once

void DrawBlobGrid(float t);
