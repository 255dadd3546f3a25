// Finds the moment of a scene whose offscreen frame, drawn for a given cursor, best matches a
// screenshot of the running demo, and writes that frame out, so a script can compare the two.
// Usage: match_frame SCENE CURSOR_X CURSOR_Y FROM_MS TO_MS SCREENSHOT.ppm BEST.ppm
// Prints "<milliseconds into the scene> <pixels that differ>" for the best moment.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "host/frame.h"
#include "host/scene_clock.h"
#include "platform/offscreen/offscreen_window.h"
#include "platform/offscreen/picture_readback.h"
#include "scenes/scene_table.h"
#include "screen.h"

namespace {

using Picture = std::vector<std::uint8_t>;  // RGB rows from the top, 8 bits per channel

constexpr long kCoarseStepMs = 10;
constexpr int kCandidatesRefined = 3;
constexpr int kChannelTolerance = 5;  // about 2% of full scale, as the script's comparison

bool ReadPpm(const char* path, Picture& picture) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maxValue = 0;
  in >> magic >> width >> height >> maxValue;
  in.get();
  if (!in || magic != "P6" || width != gResX || height != gResY || maxValue != 255) return false;
  picture.resize(static_cast<std::size_t>(gResX) * gResY * 3);
  in.read(reinterpret_cast<char*>(picture.data()), static_cast<std::streamsize>(picture.size()));
  return static_cast<bool>(in);
}

void WritePpm(const char* path, const Picture& picture) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << gResX << " " << gResY << "\n255\n";
  out.write(reinterpret_cast<const char*>(picture.data()),
            static_cast<std::streamsize>(picture.size()));
}

Picture RenderFrame(OffscreenWindow& window, int scene, CursorPos cursor, long ms) {
  DrawFrame(FrameInput{scene, SceneClock(0, static_cast<std::uint32_t>(ms)), cursor});
  Picture picture;
  ReadPictureRows(gResX, gResY, picture);
  window.SwapBuffers();
  return picture;
}

long DifferingPixels(const Picture& a, const Picture& b) {
  long count = 0;
  for (std::size_t i = 0; i < a.size(); i += 3) {
    for (std::size_t c = 0; c < 3; ++c) {
      if (std::abs(a[i + c] - b[i + c]) > kChannelTolerance) {
        ++count;
        break;
      }
    }
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 8) {
    std::fprintf(stderr,
                 "usage: %s SCENE CURSOR_X CURSOR_Y FROM_MS TO_MS SCREENSHOT.ppm BEST.ppm\n",
                 argv[0]);
    return 2;
  }
  const int scene = std::atoi(argv[1]);
  if (scene < 1 || scene > kSceneCount) {
    std::fprintf(stderr, "match_frame: no scene %s\n", argv[1]);
    return 2;
  }
  const long fromMs = std::max(0L, std::atol(argv[4]));
  const long toMs = std::max(fromMs, std::atol(argv[5]));
  Picture screenshot;
  if (!ReadPpm(argv[6], screenshot)) {
    std::fprintf(stderr, "match_frame: %s is not an 800 x 600 binary PPM\n", argv[6]);
    return 1;
  }
  OffscreenWindow window;
  std::string error;
  if (!OpenFrameSurface(window, error)) {
    std::fprintf(stderr, "match_frame: %s\n", error.c_str());
    return 1;
  }
  const CursorPos cursor{std::atoi(argv[2]), std::atoi(argv[3])};

  // The picture changes little within a few milliseconds, so a coarse scan finds the region
  // and every millisecond around the best few coarse moments is then tried.
  std::vector<std::pair<long, long>> coarse;  // (differing pixels, ms)
  for (long ms = fromMs; ms <= toMs; ms += kCoarseStepMs) {
    coarse.emplace_back(DifferingPixels(RenderFrame(window, scene, cursor, ms), screenshot), ms);
  }
  std::sort(coarse.begin(), coarse.end());
  std::pair<long, long> best = coarse.front();
  const int refined = std::min<int>(kCandidatesRefined, static_cast<int>(coarse.size()));
  for (int i = 0; i < refined; ++i) {
    for (long ms = coarse[i].second - kCoarseStepMs; ms <= coarse[i].second + kCoarseStepMs; ++ms) {
      if (ms < 0) continue;
      best =
          std::min(best, {DifferingPixels(RenderFrame(window, scene, cursor, ms), screenshot), ms});
    }
  }
  WritePpm(argv[7], RenderFrame(window, scene, cursor, best.second));
  std::printf("%ld %ld\n", best.second, best.first);
  CloseFrameSurface(window);
  return 0;
}
