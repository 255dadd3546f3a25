// Offline module rendering: a real module gives sound from its very start, in any chunking,
// and keeps repeating; a missing or broken file gives silence and says why.
#include "module_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "support/tiny_module.h"

namespace {

constexpr int kRate = 44100;

std::vector<float> Render(ModuleRenderer& renderer, std::size_t frames) {
  std::vector<float> samples(2 * frames, 0.5f);  // not silence, so untouched samples show
  renderer.Render(samples.data(), frames);
  return samples;
}

float Loudest(const std::vector<float>& samples, std::size_t from, std::size_t to) {
  float loudest = 0;
  for (std::size_t i = from; i < to; ++i) loudest = std::max(loudest, std::abs(samples[i]));
  return loudest;
}

std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }

}  // namespace

TEST(ModuleRender, AModulePlaysFromItsFirstSample) {
  const std::string path = TempPath("render_tiny.mod");
  ASSERT_TRUE(WriteTinyModule(path));
  ModuleRenderer renderer(path, kRate);
  ASSERT_TRUE(renderer.Loaded()) << renderer.ErrorText();
  const std::vector<float> samples = Render(renderer, kRate);
  // The note is on the song's first row: sound within the first 10 ms.
  EXPECT_GT(Loudest(samples, 0, 2 * kRate / 100), 0.05f);
  EXPECT_LE(Loudest(samples, 0, samples.size()), 1.0f);
}

TEST(ModuleRender, ChunksJoinUpToTheSameSoundAsOneLongRender) {
  const std::string path = TempPath("render_chunks.mod");
  ASSERT_TRUE(WriteTinyModule(path));
  ModuleRenderer whole(path, kRate);
  ModuleRenderer chunked(path, kRate);
  const std::vector<float> once = Render(whole, 10000);
  std::vector<float> pieces;
  for (std::size_t done = 0; done < 10000; done += 333) {
    const std::vector<float> piece = Render(chunked, std::min<std::size_t>(333, 10000 - done));
    pieces.insert(pieces.end(), piece.begin(), piece.end());
  }
  EXPECT_EQ(once, pieces);
}

TEST(ModuleRender, TheSongRepeatsInsteadOfFallingSilent) {
  const std::string path = TempPath("render_repeat.mod");
  ASSERT_TRUE(WriteTinyModule(path));
  ModuleRenderer renderer(path, kRate);
  // The tiny song is one 64-row pattern: 7.68 s at the default speed and tempo.
  const std::vector<float> samples = Render(renderer, 9 * kRate);
  EXPECT_GT(Loudest(samples, 2 * 8 * kRate, 2 * 9 * kRate), 0.05f);
}

TEST(ModuleRender, AMissingOrBrokenFileIsSilentAndSaysWhy) {
  ModuleRenderer missing(TempPath("no_such_music.xm"), kRate);
  EXPECT_FALSE(missing.Loaded());
  // The reason is in the system's own words, which differ between systems; the name is there.
  EXPECT_NE(missing.ErrorText().find("no_such_music.xm"), std::string::npos) << missing.ErrorText();
  EXPECT_EQ(Loudest(Render(missing, 1000), 0, 2000), 0.0f);

  const std::string brokenPath = TempPath("broken_music.xm");
  std::ofstream(brokenPath) << "this is not a music module, only some text";
  ModuleRenderer broken(brokenPath, kRate);
  EXPECT_FALSE(broken.Loaded());
  EXPECT_FALSE(broken.ErrorText().empty());
  EXPECT_EQ(Loudest(Render(broken, 1000), 0, 2000), 0.0f);

  ModuleRenderer folder(::testing::TempDir(), kRate);
  EXPECT_FALSE(folder.Loaded());
  EXPECT_EQ(Loudest(Render(folder, 10), 0, 20), 0.0f);
}
