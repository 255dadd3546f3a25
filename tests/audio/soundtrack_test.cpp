// The demo's soundtrack as libopenmpt plays it: the built file, its shape, its level
// throughout, and the loop back to the theme.
#include <gtest/gtest.h>

#include <libopenmpt/libopenmpt.hpp>

#include "audio_files.h"
#include "composition.h"
#include "module_render.h"
#include "parts.h"
#include "platform/sdl/module_player.h"

namespace {

constexpr int kRate = 44100;

}  // namespace

TEST(Soundtrack, BuildFolderHoldsTheComposedBytes) {
  const std::vector<std::uint8_t> bytes = WriteXm(ComposeSoundtrack());
  EXPECT_EQ(bytes, WriteXm(ComposeSoundtrack())) << "composing twice gave different bytes";
  EXPECT_EQ(bytes, ReadBytes(BUILT_MUSIC_XM)) << BUILT_MUSIC_XM << " is not the composed piece";
}

TEST(Soundtrack, IsAMinuteOrMoreAt120To140BeatsAMinute) {
  openmpt::module module(WriteXm(ComposeSoundtrack()));
  EXPECT_EQ(module.get_num_channels(), kChannelCount);
  EXPECT_GE(module.get_num_channels(), 4);
  EXPECT_GE(module.get_duration_seconds(), 60.0);
  EXPECT_GE(module.get_current_estimated_bpm(), 120.0);
  EXPECT_LE(module.get_current_estimated_bpm(), 140.0);
}

// One render of the whole piece and five seconds past its end, repeating as the demo does.
TEST(Soundtrack, SoundsThroughoutStaysBelowFullScaleAndLoopsToTheTheme) {
  const std::vector<std::uint8_t> bytes = WriteXm(ComposeSoundtrack());
  ModuleRenderer module(bytes.data(), bytes.size(), kRate);
  const double length = module.LengthSeconds();
  const std::size_t songFrames = static_cast<std::size_t>(length * kRate);
  const std::size_t pastEnd = 5 * kRate;
  const std::vector<float> render =
      module.Render(songFrames + pastEnd, ModulePlayer::kFramesPerCallback);

  const float peak = Peak(render);
  EXPECT_LT(peak, 1.0f);
  EXPECT_GT(peak, 0.25f);
  std::printf("length before the loop %.3f s, peak %.4f\n", length, peak);

  // No stretch of 2.5 s is silent, the quiet opening included.
  const std::size_t window = kRate * 5 / 2;
  for (std::size_t first = 0; first + window <= songFrames; first += window) {
    EXPECT_GT(Rms(render, first, window), 0.01) << "near-silence at " << first / kRate << " s";
  }
  // Five seconds after the end the theme is playing again.
  EXPECT_EQ(module.Order(), kRestartOrder);
  EXPECT_GT(Rms(render, songFrames, pastEnd), 0.03);
}
