// Scene 1: a 16 x 16 x 16 lattice of cubes sized by two swimming field centres.
#pragma once

// The two centres of the field, recomputed from the scene clock every frame.
struct FieldCentres {
  float c1x = 0, c1y = 0, c1z = 0;
  float c2x = 0, c2y = 0, c2z = 0;
};

FieldCentres ComputeFieldCentres(float t);

// The lattice spans -16 ... 14 on each axis in steps of 2.
inline constexpr int kLatticeFirst = -16;
inline constexpr int kLatticeLast = 14;
inline constexpr int kLatticeStep = 2;

// The size of the cube at lattice point (x, y, z): a base size shrinking with the distance from
// the origin to 0 at radius 16, kept only where the field of the two centres exceeds 1.
float CellSize(const FieldCentres& centres, int x, int y, int z);

// Cells of size 0 put no pixel on the screen, so by default they are not sent at all; Draw
// sends every one of the 4,096 cells, and the tests use it to prove the pictures are the same.
enum class EmptyCells { Skip, Draw };

// Walks the lattice z, then y, then x, each ascending (without a depth test the order decides
// what covers what), colouring each horizontal layer from blue at the bottom to red at the top.
// Expects the camera on the model-view matrix and leaves the matrix as it found it.
void DrawBlobGrid(float t, EmptyCells emptyCells = EmptyCells::Skip);
