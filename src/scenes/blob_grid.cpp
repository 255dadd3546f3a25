// The blob grid. Stored values (centres, sizes, the field) are floats and the arithmetic
// between stores is double: both decide exactly which cells show at a given moment.
#include "blob_grid.h"

#include <cmath>

#include "cube_batch.h"

namespace {

constexpr float kMaxSize = 0.8f;    // the origin cell's size, widened to double where used
constexpr double kFieldWeight = 6;  // each centre's field is 6 / distance
constexpr double kGridRadius = 16;  // cells at this distance from the origin or beyond vanish

double Distance(float cx, float cy, float cz, int x, int y, int z) {
  const double dx = static_cast<double>(cx) - x;
  const double dy = static_cast<double>(cy) - y;
  const double dz = static_cast<double>(cz) - z;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace

FieldCentres ComputeFieldCentres(float t) {
  const double u = 5.0 * t;
  FieldCentres c;
  c.c1x = static_cast<float>(16 * (0.5 * std::cos(3.4 * u) + 0.5 * std::cos(2.3 * u)));
  c.c1y = static_cast<float>(16 * (0.5 * std::sin(1.3 * u) + 0.5 * std::cos(-2.1 * u)));
  c.c1z = static_cast<float>(16 * (0.5 * std::cos(2.4 * u) + 0.5 * std::sin(2.3 * u)));
  c.c2x = static_cast<float>(16 * (0.5 * std::cos(2.3 * u) - 0.5 * std::cos(1.8 * u)));
  c.c2y = static_cast<float>(16 * (0.5 * std::sin(3.3 * u) + 0.5 * std::cos(-1.3 * u)));
  c.c2z = static_cast<float>(16 * (0.5 * std::cos(1.6 * u) + 0.5 * std::sin(2.6 * u)));
  return c;
}

float CellSize(const FieldCentres& c, int x, int y, int z) {
  const double r = std::sqrt(static_cast<double>(x * x + y * y + z * z));
  const double shrink = 1 - r / kGridRadius;
  const float baseSize = shrink > 0 ? static_cast<float>(shrink * kMaxSize) : 0;
  // The field is accumulated in float: the first term is stored before the second is added.
  // A centre on the lattice point gives an infinite term, which passes the test below.
  float field = static_cast<float>(kFieldWeight / Distance(c.c1x, c.c1y, c.c1z, x, y, z));
  field = static_cast<float>(field + kFieldWeight / Distance(c.c2x, c.c2y, c.c2z, x, y, z));
  return field > 1 ? baseSize : 0;
}

void DrawBlobGrid(float t, EmptyCells emptyCells) {
  const FieldCentres centres = ComputeFieldCentres(t);
  CubeBatch cubes;
  for (int z = kLatticeFirst; z <= kLatticeLast; z += kLatticeStep) {
    for (int y = kLatticeFirst; y <= kLatticeLast; y += kLatticeStep) {
      const float k = (y + 16) / 32.0f;
      cubes.SetColour(k, 0, 1 - k);
      for (int x = kLatticeFirst; x <= kLatticeLast; x += kLatticeStep) {
        const float size = CellSize(centres, x, y, z);
        if (size == 0 && emptyCells == EmptyCells::Skip) continue;
        cubes.AddScaled(x, y, z, size);
      }
    }
  }
  cubes.Draw();
}
