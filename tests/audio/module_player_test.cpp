// The module player through SDL's disk audio driver, which writes what reaches the device
// to a file: the sound itself, looping, bad files, no device, and freeing mid-callback.
#include "platform/module_player.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <libopenmpt/libopenmpt.hpp>
#include <thread>

#include "audio_files.h"
#include "chunked_render.h"
#include "composition.h"
#include "looping_module.h"
#include "synth.h"

namespace {

constexpr int kRate = 44100;
constexpr std::uintmax_t kBytesPerFrame = 2 * sizeof(float);

class ModulePlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", capture_.c_str(), 1);
    // The driver waits 1 ms a buffer instead of the buffer's 23 ms.
    setenv("SDL_DISKAUDIODELAY", "1", 1);
  }

  std::uintmax_t CaptureSize() const {
    std::error_code missing;
    const std::uintmax_t size = std::filesystem::file_size(capture_, missing);
    return missing ? 0 : size;
  }

  // Waits until the device has written `frames` more frames than `from` bytes.
  void WaitForFrames(std::uintmax_t from, std::uintmax_t frames) const {
    for (int tries = 0; CaptureSize() < from + frames * kBytesPerFrame; ++tries) {
      ASSERT_LT(tries, 600000) << "the device stopped writing";
      SDL_Delay(1);
    }
  }

  // Plays a module file until the device has taken `frames` frames of it, frees it, closes
  // the device and returns the capture.
  std::vector<float> PlayAndCapture(const std::filesystem::path& file, std::size_t frames) {
    {
      ModulePlayer player;
      player.StartMixer(kRate, 32, 0);
      Song* song = player.LoadSong(file.c_str());
      EXPECT_NE(song, nullptr);
      player.PlaySong(song);
      WaitForFrames(CaptureSize(), frames);
      player.FreeSong(song);
    }
    EXPECT_EQ(CaptureSize() % kBytesPerFrame, 0u);
    return ReadFloats(capture_);
  }

  // libopenmpt's own render of the module, in the chunks the device asks for.
  static std::vector<float> Reference(const std::vector<std::uint8_t>& bytes, std::size_t frames) {
    openmpt::module module(bytes);
    module.set_repeat_count(-1);
    return RenderFrames(module, kRate, frames, ModulePlayer::kFramesPerCallback);
  }

  ScratchFolder folder_;
  const std::filesystem::path capture_ = folder_ / "capture.f32";
};

TEST_F(ModulePlayerTest, DeviceGetsExactlyWhatLibopenmptRenders) {
  const std::vector<std::uint8_t> bytes = WriteXm(ComposeSoundtrack());
  WriteBytes(folder_ / "music.xm", bytes);
  const std::vector<float> capture = PlayAndCapture(folder_ / "music.xm", 3 * kRate);

  const CaptureMatch match =
      MatchCapture(capture, Reference(bytes, capture.size() / 2), ModulePlayer::kFramesPerCallback);
  EXPECT_GE(match.matchingFrames, 3u * kRate);
  EXPECT_TRUE(match.silentAfter) << "after " << match.matchingFrames << " matching frames";
  EXPECT_GT(Rms(capture, match.silentFramesBefore, match.matchingFrames), 0.02);
  std::printf("%zu frames of silence while paused, then %zu frames (%.2f s) equal to the render\n",
              match.silentFramesBefore, match.matchingFrames,
              match.matchingFrames / static_cast<double>(kRate));
}

TEST_F(ModulePlayerTest, SongGoesOnPastItsEnd) {
  const std::vector<std::uint8_t> bytes = WriteXm(LoopingModule());
  WriteBytes(folder_ / "tiny", bytes);  // no extension: the content decides
  openmpt::module once(bytes);
  const std::size_t songFrames = once.get_duration_seconds() * kRate;
  const std::vector<float> capture = PlayAndCapture(folder_ / "tiny", 4 * songFrames);

  const CaptureMatch match =
      MatchCapture(capture, Reference(bytes, capture.size() / 2), ModulePlayer::kFramesPerCallback);
  EXPECT_GE(match.matchingFrames, 4 * songFrames);
  EXPECT_TRUE(match.silentAfter);
  // What played after the end is sound, not the silence of a stopped song.
  EXPECT_GT(Rms(capture, match.silentFramesBefore + 2 * songFrames, songFrames), 0.02);
}

TEST_F(ModulePlayerTest, BadFilesGiveNoSongAndTheDeviceStaysSilent) {
  WriteBytes(folder_ / "empty", {});
  std::vector<std::uint8_t> noise(4096);
  Noise random(7);
  for (std::uint8_t& byte : noise) byte = static_cast<std::uint8_t>(random.Next() * 127.0 + 128);
  WriteBytes(folder_ / "noise", noise);
  std::filesystem::create_directory(folder_ / "folder.xm");
  ASSERT_EQ(mkfifo((folder_ / "pipe.xm").c_str(), 0600), 0);  // opening it must not block

  {
    ModulePlayer player;
    player.StartMixer(kRate, 32, 0);
    for (const char* name : {"missing.xm", "empty", "noise", "folder.xm", "pipe.xm"}) {
      testing::internal::CaptureStderr();
      Song* song = player.LoadSong((folder_ / name).c_str());
      const std::string said = testing::internal::GetCapturedStderr();
      EXPECT_EQ(song, nullptr) << name;
      EXPECT_NE(said.find("no music"), std::string::npos) << name;
      EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line for " << name << ": " << said;
      player.PlaySong(song);
      WaitForFrames(CaptureSize(), 4 * ModulePlayer::kFramesPerCallback);
      player.FreeSong(song);
    }
  }
  const std::vector<float> capture = ReadFloats(capture_);
  ASSERT_FALSE(capture.empty());
  EXPECT_EQ(Peak(capture), 0.0f);
}

TEST_F(ModulePlayerTest, TruncatedFilePlaysWhatLibopenmptMakesOfIt) {
  std::vector<std::uint8_t> bytes = WriteXm(ComposeSoundtrack());
  bytes.resize(bytes.size() / 2);
  WriteBytes(folder_ / "music.xm", bytes);
  ModulePlayer player;
  player.StartMixer(kRate, 32, 0);
  Song* song = player.LoadSong((folder_ / "music.xm").c_str());
  ASSERT_NE(song, nullptr) << "libopenmpt keeps the patterns and samples that are there";
  player.PlaySong(song);
  WaitForFrames(CaptureSize(), kRate / 2);
  player.FreeSong(song);
}

TEST_F(ModulePlayerTest, WithoutADeviceEverythingIsHarmless) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  WriteBytes(folder_ / "tiny.xm", WriteXm(LoopingModule()));
  ModulePlayer player;
  testing::internal::CaptureStderr();
  player.StartMixer(kRate, 32, 0);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("no music"), std::string::npos) << said;
  Song* song = player.LoadSong((folder_ / "tiny.xm").c_str());
  EXPECT_NE(song, nullptr);
  player.PlaySong(song);
  player.FreeSong(song);
  player.PlaySong(nullptr);
  player.FreeSong(nullptr);
  EXPECT_EQ(CaptureSize(), 0u);
}

// Songs freed while the callback renders them, over and over; under AddressSanitizer any
// touch of a freed song fails the run.
TEST_F(ModulePlayerTest, FreeingWhileTheCallbackRunsIsSafe) {
  WriteBytes(folder_ / "tiny.xm", WriteXm(LoopingModule()));
  WriteBytes(folder_ / "music.xm", WriteXm(ComposeSoundtrack()));
  {
    ModulePlayer player;
    player.StartMixer(kRate, 32, 0);
    for (int i = 0; i < 200; ++i) {
      Song* song = player.LoadSong((folder_ / (i % 4 == 0 ? "music.xm" : "tiny.xm")).c_str());
      ASSERT_NE(song, nullptr);
      player.PlaySong(song);
      // Every other song is freed at once, racing the callback's first use of it; the rest
      // after the callback has rendered it for at least two buffers.
      if (i % 2 == 1) WaitForFrames(CaptureSize(), 2 * ModulePlayer::kFramesPerCallback);
      player.FreeSong(song);
    }
  }
  EXPECT_GT(Peak(ReadFloats(capture_)), 0.0f) << "no song was ever heard";
}

// The sound device vanishing mid-song, as when a headset is pulled: the disk driver drops its
// device when a write fails, so a listener hanging up the pipe the device writes into is a
// vanishing device. Playing on and freeing stay harmless.
TEST_F(ModulePlayerTest, TheDeviceVanishingWhilePlayingIsHarmless) {
  const auto previousPipeHandler = std::signal(SIGPIPE, SIG_IGN);
  const std::filesystem::path pipe = folder_ / "device.pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  setenv("SDL_DISKAUDIOFILE", pipe.c_str(), 1);
  WriteBytes(folder_ / "tiny.xm", WriteXm(LoopingModule()));
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);

  // The listener takes what the device writes until the song is heard, then hangs up. The
  // device writes silence until the song starts, as much as it likes on a busy machine, so
  // only a generous amount of it (ten minutes of sound) counts as the song never coming.
  // Silence is all zero bytes, so any other byte is the song, wherever a read splits samples.
  bool heardSong = false;
  std::thread listener([&] {
    const int file = open(pipe.c_str(), O_RDONLY);
    std::vector<char> chunk(4096);
    std::uintmax_t bytes = 0;
    const std::uintmax_t limit = 600 * kRate * kBytesPerFrame;
    while (file >= 0 && !heardSong && bytes < limit) {
      const ssize_t got = read(file, chunk.data(), chunk.size());
      if (got <= 0) break;
      bytes += static_cast<std::uintmax_t>(got);
      heardSong = std::any_of(chunk.begin(), chunk.begin() + got, [](char c) { return c != 0; });
    }
    if (file >= 0) close(file);
  });
  {
    ModulePlayer player;
    player.StartMixer(kRate, 32, 0);
    Song* song = player.LoadSong((folder_ / "tiny.xm").c_str());
    ASSERT_NE(song, nullptr);
    player.PlaySong(song);
    listener.join();
    bool removed = false;
    for (int tries = 0; !removed && tries < 100000; ++tries) {
      SDL_Event event;
      while (SDL_PollEvent(&event) != 0) removed |= event.type == SDL_AUDIODEVICEREMOVED;
      if (!removed) SDL_Delay(1);
    }
    EXPECT_TRUE(removed) << "the device never reported its loss";
    player.FreeSong(song);
    Song* again = player.LoadSong((folder_ / "tiny.xm").c_str());
    player.PlaySong(again);
    player.FreeSong(again);
  }
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
  std::signal(SIGPIPE, previousPipeHandler);
  EXPECT_TRUE(heardSong) << "the song never reached the device before it vanished";
}

}  // namespace
