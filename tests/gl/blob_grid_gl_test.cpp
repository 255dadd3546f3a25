// The blob grid on a real GL context: the order and content of what it draws, the picture it
// leaves, and that skipping empty cells changes no pixel.
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "feedback.h"
#include "offscreen_frame.h"
#include "scenes/blob_grid.h"
#include "scenes/orbit_camera.h"

namespace {

struct Cell {
  int x, y, z;
  // The walk's order: z outermost, then y, then x, each ascending.
  bool operator<(const Cell& o) const { return std::tie(z, y, x) < std::tie(o.z, o.y, o.x); }
  bool operator==(const Cell& o) const { return x == o.x && y == o.y && z == o.z; }
};

std::ostream& operator<<(std::ostream& out, const Cell& c) {
  return out << "(" << c.x << ", " << c.y << ", " << c.z << ")";
}

// The cells that show at t, with their sizes.
std::map<Cell, float> ShownCells(float t) {
  const FieldCentres centres = ComputeFieldCentres(t);
  std::map<Cell, float> cells;
  for (int x = kLatticeFirst; x <= kLatticeLast; x += kLatticeStep) {
    for (int y = kLatticeFirst; y <= kLatticeLast; y += kLatticeStep) {
      for (int z = kLatticeFirst; z <= kLatticeLast; z += kLatticeStep) {
        const float size = CellSize(centres, x, y, z);
        if (size > 0) cells[{x, y, z}] = size;
      }
    }
  }
  return cells;
}

// The layer colour as the picture stores it: blue at y = -16 rising to red.
Pixel LayerPixel(int y) {
  const double k = (y + 16) / 32.0;
  return Pixel{static_cast<std::uint8_t>(std::lround(k * 255)), 0,
               static_cast<std::uint8_t>(std::lround((1 - k) * 255))};
}

bool Near(const Pixel& a, const Pixel& b) {
  return std::abs(a.r - b.r) <= 1 && std::abs(a.g - b.g) <= 1 && std::abs(a.b - b.b) <= 1;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

// A cell's cube on the picture: its projected centre and the box around its projected corners.
struct Footprint {
  int centreX, centreY;
  int left, top, right, bottom;
};

Footprint ProjectCell(const Cell& cell, float size) {
  GLdouble modelView[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble wx, wy, wz;
  gluProject(cell.x, cell.y, cell.z, modelView, projection, viewport, &wx, &wy, &wz);
  Footprint f{Round(wx), gResY - 1 - Round(wy), gResX, gResY, -1, -1};
  for (int corner = 0; corner < 8; ++corner) {
    gluProject(cell.x + ((corner & 1) ? size : -size), cell.y + ((corner & 2) ? size : -size),
               cell.z + ((corner & 4) ? size : -size), modelView, projection, viewport, &wx, &wy,
               &wz);
    // One pixel of margin on each side for rasterisation at the edges.
    f.left = std::min(f.left, static_cast<int>(std::floor(wx)) - 1);
    f.right = std::max(f.right, static_cast<int>(std::ceil(wx)) + 1);
    f.top = std::min(f.top, gResY - 1 - static_cast<int>(std::ceil(wy)) - 1);
    f.bottom = std::max(f.bottom, gResY - 1 - static_cast<int>(std::floor(wy)) + 1);
  }
  return f;
}

bool Covers(const Footprint& f, int x, int y) {
  return x >= f.left && x <= f.right && y >= f.top && y <= f.bottom;
}

}  // namespace

using BlobGridGL = OffscreenFrame;

TEST_F(BlobGridGL, SkippingEmptyCellsChangesNoPixel) {
  const struct {
    float t;
    CursorPos cursor;
  } moments[] = {{0, {400, 300}},
                 {0.37f, {0, 0}},
                 {1.234f, {799, 599}},
                 {2.5f, {100, 450}},
                 {3.1f, {650, 120}}};
  for (const auto& moment : moments) {
    SetOrbitCamera(CameraPath::Orbit, moment.t, moment.cursor);
    DrawBlobGrid(moment.t, EmptyCells::Draw);
    const std::vector<Pixel> everyCell = ReadPicture();
    SetOrbitCamera(CameraPath::Orbit, moment.t, moment.cursor);
    DrawBlobGrid(moment.t);
    const std::vector<Pixel> shownCells = ReadPicture();
    const long coloured = std::count_if(everyCell.begin(), everyCell.end(), [](const Pixel& p) {
      return !(p == Pixel{255, 255, 255});
    });
    EXPECT_GT(coloured, 1000) << "t " << moment.t << ": too little drawn to compare";
    const auto mismatch = std::mismatch(everyCell.begin(), everyCell.end(), shownCells.begin());
    EXPECT_TRUE(mismatch.first == everyCell.end())
        << "t " << moment.t << ", cursor " << moment.cursor.x << ", " << moment.cursor.y
        << ": pixel " << (mismatch.first - everyCell.begin()) << " is " << *mismatch.first
        << " with every cell drawn, " << *mismatch.second << " with empty cells skipped";
  }
}

TEST_F(BlobGridGL, VisibleCellsShowTheirLayerColourOnAWhiteBackground) {
  SetOrbitCamera(CameraPath::Orbit, 0, {400, 300});
  DrawBlobGrid(0);
  const std::vector<Pixel> picture = ReadPicture();

  std::vector<std::pair<Cell, Footprint>> drawn;  // in drawing order
  for (const auto& [cell, size] : ShownCells(0)) drawn.push_back({cell, ProjectCell(cell, size)});

  // A cell is visible at its centre when it lies on the picture, is a few pixels wide (a cube
  // under a pixel across may miss its own centre pixel), and no cube drawn after it reaches
  // that pixel.
  std::set<int> layersSeen;
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const auto& [cell, footprint] = drawn[i];
    const bool onPicture = footprint.left >= 0 && footprint.right < gResX && footprint.top >= 0 &&
                           footprint.bottom < gResY;
    if (!onPicture || footprint.right - footprint.left < 6) continue;
    const bool covered = std::any_of(drawn.begin() + i + 1, drawn.end(), [&](const auto& later) {
      return Covers(later.second, footprint.centreX, footprint.centreY);
    });
    if (covered) continue;
    const Pixel pixel = picture[footprint.centreY * gResX + footprint.centreX];
    EXPECT_TRUE(Near(pixel, LayerPixel(cell.y)))
        << "cell " << cell << " at pixel " << footprint.centreX << ", " << footprint.centreY
        << " shows " << pixel << ", its layer is " << LayerPixel(cell.y);
    layersSeen.insert(cell.y);
  }
  EXPECT_GE(layersSeen.size(), 4u) << "too few uncovered cells to check the layer colours";

  std::vector<bool> underACube(picture.size(), false);
  for (const auto& [cell, f] : drawn) {
    for (int y = std::max(f.top, 0); y <= std::min(f.bottom, gResY - 1); ++y) {
      for (int x = std::max(f.left, 0); x <= std::min(f.right, gResX - 1); ++x) {
        underACube[y * gResX + x] = true;
      }
    }
  }
  long background = 0;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    if (underACube[i]) continue;
    ++background;
    ASSERT_EQ(picture[i], (Pixel{255, 255, 255}))
        << "pixel " << i % gResX << ", " << i / gResX << " where no cube projects";
  }
  EXPECT_GT(background, 100000);
}

TEST_F(BlobGridGL, CellsAreDrawnZThenYThenXAscendingEachInItsSizeAndLayerColour) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-40, 40, -40, 40, -40, 40);
  glMatrixMode(GL_MODELVIEW);
  for (float t : {0.0f, 1.234f, 2.9f}) {
    // An oblique view, so every cube shows three faces to feedback.
    glLoadIdentity();
    glRotatef(25, 1, 0, 0);
    glRotatef(35, 0, 1, 0);
    const std::map<Cell, float> shown = ShownCells(t);
    std::vector<Cell> order;
    std::map<Cell, double> extent;
    for (const FeedbackPolygon& polygon : CapturePolygons([t] { DrawBlobGrid(t); })) {
      const Vec3 centroid = ObjectCentroid(polygon);
      const Cell cell{2 * Round(centroid.x / 2), 2 * Round(centroid.y / 2),
                      2 * Round(centroid.z / 2)};
      if (order.empty() || !(order.back() == cell)) order.push_back(cell);
      for (const FeedbackVertex& v : polygon) {
        extent[cell] = std::max({extent[cell], std::fabs(v.object.x - cell.x),
                                 std::fabs(v.object.y - cell.y), std::fabs(v.object.z - cell.z)});
        const double k = (cell.y + 16) / 32.0;
        ASSERT_NEAR(v.r, k, 1e-6) << "cell " << cell;
        ASSERT_EQ(v.g, 0) << "cell " << cell;
        ASSERT_NEAR(v.b, 1 - k, 1e-6) << "cell " << cell;
      }
    }
    ASSERT_GT(order.size(), 50u) << "t " << t;
    for (std::size_t i = 1; i < order.size(); ++i) {
      ASSERT_TRUE(order[i - 1] < order[i])
          << "t " << t << ": cell " << order[i] << " drawn after " << order[i - 1];
    }
    EXPECT_EQ(order.size(), shown.size()) << "t " << t;
    for (const auto& [cell, size] : shown) {
      ASSERT_EQ(extent.count(cell), 1u) << "t " << t << ": cell " << cell << " not drawn";
      EXPECT_NEAR(extent[cell], size, 1e-3) << "t " << t << ": cell " << cell;
    }
  }
}

TEST_F(BlobGridGL, LeavesTheModelViewMatrixAsItFoundIt) {
  SetOrbitCamera(CameraPath::Orbit, 0.8f, {123, 456});
  GLdouble before[16], after[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, before);
  DrawBlobGrid(0.8f);
  glGetDoublev(GL_MODELVIEW_MATRIX, after);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(before[i], after[i]) << "element " << i;
}
