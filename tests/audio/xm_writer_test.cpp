// The XM writer's files as libopenmpt reads them: layout, pattern cells, looping and tuning.
#include "xm_writer.h"

#include <gtest/gtest.h>

#include <libopenmpt/libopenmpt.hpp>

#include "audio_files.h"
#include "module_render.h"
#include "score.h"
#include "support/tiny_module.h"
#include "synth.h"

namespace {

constexpr int kRate = 44100;

std::string Command(openmpt::module& module, int pattern, int row, int channel, int command) {
  return module.format_pattern_row_channel_command(pattern, row, channel, command);
}

// libopenmpt numbers notes from C-0 an octave below the file's C-0.
int NoteAt(openmpt::module& module, int pattern, int row, int channel) {
  const int note =
      module.get_pattern_row_channel_command(pattern, row, channel, openmpt::module::command_note);
  return note == 0 ? 0 : note - 12;
}

// Pitch from the rising zero crossings of the left channel, placed between samples.
double Frequency(const std::vector<float>& samples) {
  std::vector<double> rises;
  for (std::size_t i = 2; i < samples.size(); i += 2) {
    const double before = samples[i - 2];
    const double after = samples[i];
    if (before < 0.0 && after >= 0.0) rises.push_back(i / 2 - after / (after - before));
  }
  if (rises.size() < 2) return 0.0;
  return (rises.size() - 1) / ((rises.back() - rises.front()) / kRate);
}

}  // namespace

TEST(XmWriter, WritesTheLayoutLibopenmptReads) {
  const XmModule tiny = TinyModule();
  openmpt::module module(WriteXm(tiny));
  EXPECT_EQ(module.get_metadata("type"), "xm");
  EXPECT_EQ(module.get_metadata("title"), "tiny");
  EXPECT_EQ(module.get_num_channels(), 2);
  EXPECT_EQ(module.get_num_orders(), 2);
  EXPECT_EQ(module.get_num_patterns(), 2);
  EXPECT_EQ(module.get_pattern_num_rows(0), 8);
  EXPECT_EQ(module.get_pattern_num_rows(1), 4);
  ASSERT_EQ(module.get_num_instruments(), 1);
  EXPECT_EQ(module.get_instrument_names()[0], "square");
  EXPECT_EQ(module.get_num_samples(), 1);
}

TEST(XmWriter, PacksEveryKindOfCell) {
  XmModule tiny = TinyModule();
  tiny.patterns[0].At(2, 1) = XmCell{61, 1, 0x10 + 64, 0x0F, 0x06};  // every field: stored whole
  tiny.patterns[0].At(3, 1) = XmCell{0, 0, 0x10 + 8, 0, 0};          // volume alone
  openmpt::module module(WriteXm(tiny));
  using M = openmpt::module;
  EXPECT_EQ(NoteAt(module, 0, 0, 0), 49);
  EXPECT_EQ(Command(module, 0, 0, 0, M::command_instrument), "01");
  EXPECT_EQ(Command(module, 0, 6, 0, M::command_note), "===");  // key-off
  EXPECT_EQ(NoteAt(module, 0, 2, 1), 61);
  EXPECT_EQ(module.get_pattern_row_channel_command(0, 2, 1, M::command_volume), 64);
  EXPECT_EQ(Command(module, 0, 2, 1, M::command_effect), "F");
  EXPECT_EQ(Command(module, 0, 2, 1, M::command_parameter), "06");
  EXPECT_EQ(NoteAt(module, 0, 3, 1), 0);
  EXPECT_EQ(module.get_pattern_row_channel_command(0, 3, 1, M::command_volume), 8);
  EXPECT_EQ(NoteAt(module, 1, 0, 1), 58);
  EXPECT_EQ(module.get_pattern_row_channel_command(1, 0, 1, M::command_volume), 40);
  EXPECT_EQ(Command(module, 1, 0, 1, M::command_effect), "8");
  EXPECT_EQ(Command(module, 1, 0, 1, M::command_parameter), "B8");
  // Empty cells stay empty, around the filled ones and in the last row.
  EXPECT_EQ(NoteAt(module, 0, 1, 0), 0);
  EXPECT_EQ(NoteAt(module, 1, 3, 1), 0);
}

TEST(XmWriter, LoopsBackToTheRestartPosition) {
  const std::vector<std::uint8_t> bytes = TinyModuleBytes();
  ModuleRenderer module(bytes.data(), bytes.size(), kRate);
  const double length = module.LengthSeconds();
  EXPECT_NEAR(length, 12 * 3 * 2.5 / 125, 1e-6);  // 12 rows of 3 ticks of 20 ms
  // 2.5 passes: the first whole, then order 1 alone, four and a half times.
  const std::size_t frames = 2.5 * length * kRate;
  const std::vector<float> song = module.Render(frames, 512);
  EXPECT_EQ(module.Order(), 1);  // looping from order 0 would be there now
  // The A-4 of order 1 keeps sounding on every pass.
  const std::size_t orderLength = 4 * 3 * 2.5 / 125 * kRate;
  EXPECT_GT(Rms(song, song.size() / 2 - orderLength, orderLength), 0.02);
}

// A tone whose period is `period` samples, made into a sample by MakeSample, sounds middle
// C on C-4 and 440 Hz on A-4.
TEST(XmWriter, TunedSamplesPlayAtConcertPitch) {
  for (double period : {128.0, 256.0}) {
    std::vector<double> wave(static_cast<std::size_t>(period * 64));
    Noise phases(1);
    AddTone(
        wave, period, 1, [](int, std::size_t) { return 1.0; }, phases);
    XmModule tiny = TinyModule();
    tiny.instruments[0].sample = MakeSample(wave, RateForPeriod(period));
    tiny.instruments[0].sample.loopLength = wave.size();
    for (int note : {49, 58}) {
      tiny.patterns[0].At(0, 0).note = note;
      const std::vector<std::uint8_t> bytes = WriteXm(tiny);
      ModuleRenderer module(bytes.data(), bytes.size(), kRate);
      const double expected = note == 49 ? kMiddleC : 440.0;
      // Six rows of pattern 0 (0.144 s), past the note's first milliseconds.
      std::vector<float> tone = module.Render(0.14 * kRate, 1024);
      tone.erase(tone.begin(), tone.begin() + 2 * 441);
      EXPECT_NEAR(Frequency(tone), expected, expected * 0.005) << "period " << period;
    }
  }
}
