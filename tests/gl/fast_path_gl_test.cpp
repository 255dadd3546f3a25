// The demo's fast drawing paths against the plain per-cube and per-glyph reference, pixel for
// pixel over whole frames of both scenes at many moments and cursor positions.
#include <algorithm>
#include <cstdint>
#include <sstream>

#include "offscreen_frame.h"
#include "scenes/cube_batch.h"
#include "text/font.h"

namespace {

struct Moment {
  int scene;
  float t;
  CursorPos cursor;
};

// The picture's edges and corners, its centre, and points in between.
constexpr CursorPos kCursors[] = {{0, 0},     {799, 0},   {0, 599},   {799, 599}, {400, 300},
                                  {0, 300},   {799, 300}, {400, 0},   {400, 599}, {123, 456},
                                  {654, 321}, {333, 77},  {512, 590}, {17, 240}};
constexpr int kCursorCount = sizeof kCursors / sizeof kCursors[0];

// Scene 1: t = 0 (where a field centre sits on a lattice point and its field is infinite), its
// last moment, a moment just after a text row starts, and a spread in between. Scene 2: its
// start, just after its last row starts, a late moment, and a spread. Every fixed moment meets
// every cursor; the spreads (41 and 29 steps, prime to the cursor count) meet every cursor too.
std::vector<Moment> Moments(int scene) {
  const std::vector<float> fixed = scene == 1 ? std::vector<float>{0, 3.1f, 0.3200001f}
                                              : std::vector<float>{0, 1.6000001f, 123.456f};
  std::vector<Moment> moments;
  for (const float t : fixed) {
    for (const CursorPos cursor : kCursors) moments.push_back({scene, t, cursor});
  }
  const int steps = scene == 1 ? 41 : 29;
  for (int i = 0; i < steps; ++i) {
    const float t = scene == 1 ? 3.1f * static_cast<float>(i) / (steps - 1)
                               : 0.0137f + 0.1f * static_cast<float>(i);
    moments.push_back({scene, t, kCursors[i % kCursorCount]});
  }
  return moments;
}

std::string Describe(const Moment& m) {
  std::ostringstream text;
  text << "scene " << m.scene << ", t " << m.t << ", cursor " << m.cursor.x << ", " << m.cursor.y;
  return text.str();
}

class FastPathGL : public OffscreenFrame {
 protected:
  void TearDown() override {
    SetCubeDrawing(CubeDrawing::Batched);
    SetTextDrawing(TextDrawing::Merged);
    OffscreenFrame::TearDown();
  }

  void ExpectSamePictures(int scene);

  std::vector<Pixel> DrawWith(CubeDrawing cubes, TextDrawing text, const Moment& m) {
    SetCubeDrawing(cubes);
    SetTextDrawing(text);
    DrawFrame(FrameInput{m.scene, m.t, m.cursor});
    return ReadPicture();
  }
};

}  // namespace

void FastPathGL::ExpectSamePictures(int scene) {
  const std::vector<Moment> moments = Moments(scene);
  int framesWithCubes = 0;
  for (const Moment& m : moments) {
    const std::vector<Pixel> reference = DrawWith(CubeDrawing::Immediate, TextDrawing::PerGlyph, m);
    const std::vector<Pixel> fast = DrawWith(CubeDrawing::Batched, TextDrawing::Merged, m);
    const auto coloured = std::count_if(reference.begin(), reference.end(), [](const Pixel& p) {
      return !(p == Pixel{255, 255, 255});
    });
    if (coloured > 1000) ++framesWithCubes;
    const auto mismatch = std::mismatch(reference.begin(), reference.end(), fast.begin());
    if (mismatch.first == reference.end()) continue;
    const auto at = mismatch.first - reference.begin();
    const auto differing =
        reference.size() - static_cast<std::size_t>(std::count_if(
                               reference.begin(), reference.end(),
                               [&](const Pixel& p) { return p == fast[&p - reference.data()]; }));
    ADD_FAILURE() << Describe(m) << ": " << differing << " pixels differ; first at (" << at % gResX
                  << ", " << at / gResX << "): " << *mismatch.first << " in the reference, "
                  << *mismatch.second << " fast";
  }
  // The comparison means something only if the frames show plenty of cubes.
  EXPECT_GT(framesWithCubes, static_cast<int>(moments.size()) * 9 / 10);
}

TEST_F(FastPathGL, BlobGridFramesMatchTheReferencePixelForPixel) { ExpectSamePictures(1); }

TEST_F(FastPathGL, CubeCrossFramesMatchTheReferencePixelForPixel) { ExpectSamePictures(2); }
