// Offline module rendering: libopenmpt's own render sample for sample, sound from the song's
// very start, the same in any chunking, repeating without end; a missing or broken file gives
// silence and says why.
#include "module_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <libopenmpt/libopenmpt.hpp>
#include <string>
#include <vector>

#include "composition.h"
#include "platform/sdl/module_player.h"
#include "support/tiny_module.h"

namespace {

constexpr int kRate = 44100;

std::vector<float> Render(ModuleRenderer& renderer, std::size_t frames) {
  std::vector<float> samples(2 * frames, 0.5f);  // not silence, so untouched samples show
  renderer.Render(samples.data(), frames);
  return samples;
}

// The peak of interleaved samples from .. to - 1.
float Loudest(const std::vector<float>& samples, std::size_t from, std::size_t to) {
  return Peak({samples.begin() + from, samples.begin() + to});
}

std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }

}  // namespace

// The renderer adds nothing of its own: what it gives is what libopenmpt renders of the module
// set to repeat, read in the same chunks, past the tiny song's loop and through the soundtrack.
TEST(ModuleRender, IsLibopenmptsOwnRenderSampleForSample) {
  constexpr std::size_t kChunk = ModulePlayer::kFramesPerCallback;
  constexpr std::size_t kFrames = 3 * kRate + 123;
  for (const std::vector<std::uint8_t>& bytes : {TinyModuleBytes(), WriteXm(ComposeSoundtrack())}) {
    openmpt::module module(bytes);
    module.set_repeat_count(-1);
    std::vector<float> expected(2 * kFrames);
    for (std::size_t done = 0; done < kFrames; done += kChunk) {
      const std::size_t count = std::min(kChunk, kFrames - done);
      ASSERT_EQ(module.read_interleaved_stereo(kRate, count, expected.data() + 2 * done), count);
    }
    ModuleRenderer renderer(bytes.data(), bytes.size(), kRate);
    ASSERT_TRUE(renderer.Loaded()) << renderer.ErrorText();
    EXPECT_EQ(renderer.Render(kFrames, kChunk), expected);
    EXPECT_EQ(renderer.Order(), module.get_current_order());
    EXPECT_EQ(renderer.Channels(), module.get_num_channels());
    EXPECT_EQ(renderer.LengthSeconds(), module.get_duration_seconds());
  }
}

TEST(ModuleRender, AModulePlaysFromItsFirstSample) {
  const std::vector<std::uint8_t> bytes = TinyModuleBytes();
  ModuleRenderer renderer(bytes.data(), bytes.size(), kRate);
  ASSERT_TRUE(renderer.Loaded()) << renderer.ErrorText();
  const std::vector<float> samples = Render(renderer, kRate);
  // The note is on the song's first row: sound within the first 10 ms.
  EXPECT_GT(Loudest(samples, 0, 2 * kRate / 100), 0.05f);
  EXPECT_LE(Loudest(samples, 0, samples.size()), 1.0f);
}

TEST(ModuleRender, ChunksJoinUpToTheSameSoundAsOneLongRender) {
  const std::vector<std::uint8_t> bytes = TinyModuleBytes();
  ModuleRenderer whole(bytes.data(), bytes.size(), kRate);
  ModuleRenderer chunked(bytes.data(), bytes.size(), kRate);
  const std::vector<float> once = Render(whole, 10000);
  std::vector<float> pieces;
  for (std::size_t done = 0; done < 10000; done += 333) {
    const std::vector<float> piece = Render(chunked, std::min<std::size_t>(333, 10000 - done));
    pieces.insert(pieces.end(), piece.begin(), piece.end());
  }
  EXPECT_EQ(once, pieces);
}

TEST(ModuleRender, TheSongRepeatsInsteadOfFallingSilent) {
  const std::vector<std::uint8_t> bytes = TinyModuleBytes();
  ModuleRenderer renderer(bytes.data(), bytes.size(), kRate);
  // The tiny song lasts 0.72 s; eight seconds on, its last order is still sounding.
  const std::vector<float> samples = Render(renderer, 9 * kRate);
  EXPECT_GT(Loudest(samples, 2 * 8 * kRate, 2 * 9 * kRate), 0.05f);
}

TEST(ModuleRender, AFileRendersAsItsBytesDo) {
  const std::string path = TempPath("render_tiny.xm");
  ASSERT_TRUE(WriteTinyModule(path));
  ModuleRenderer fromFile(path, kRate);
  ASSERT_TRUE(fromFile.Loaded()) << fromFile.ErrorText();
  const std::vector<std::uint8_t> bytes = TinyModuleBytes();
  ModuleRenderer fromBytes(bytes.data(), bytes.size(), kRate);
  EXPECT_EQ(Render(fromFile, kRate), Render(fromBytes, kRate));
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
  EXPECT_EQ(folder.Channels(), 0);
}
