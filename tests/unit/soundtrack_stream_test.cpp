// The capture's sound stream: exactly the samples libopenmpt renders, in any length, from a
// thread of its own, and a clear failure when the reader goes away.
#include "capture/soundtrack_stream.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/tiny_module.h"

namespace {

// Everything written to the file so far.
std::vector<float> ReadBack(std::FILE* file) {
  std::vector<float> samples(static_cast<std::size_t>(std::ftell(file)) / sizeof(float));
  std::rewind(file);
  samples.resize(std::fread(samples.data(), sizeof(float), samples.size(), file));
  return samples;
}

}  // namespace

TEST(SoundtrackStream, TheStreamIsLibopenmptsRenderSampleForSample) {
  const std::string path = ::testing::TempDir() + "stream_tiny.mod";
  ASSERT_TRUE(WriteTinyModule(path));
  ModuleRenderer streamed(path, kSoundRate);
  ModuleRenderer whole(path, kSoundRate);
  ASSERT_TRUE(streamed.Loaded()) << streamed.ErrorText();
  // Not a whole number of the stream's chunks, so the last chunk is a short one.
  constexpr std::int64_t kFrames = 3 * 4096 + 1234;
  std::vector<float> expected(2 * kFrames);
  whole.Render(expected.data(), kFrames);

  std::FILE* file = std::tmpfile();
  SoundtrackWriter writer;
  writer.Start(streamed, kFrames, dup(fileno(file)));
  std::string error;
  ASSERT_TRUE(writer.Join(error)) << error;
  EXPECT_EQ(ReadBack(file), expected);
  std::fclose(file);
}

TEST(SoundtrackStream, AReaderThatGoesAwayEndsTheStreamWithAReason) {
  signal(SIGPIPE, SIG_IGN);  // as demo-capture does: a gone reader shows as a failed write
  ModuleRenderer silence("", kSoundRate);
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  close(ends[0]);
  std::string error;
  EXPECT_FALSE(WriteSoundtrack(silence, kSoundRate, ends[1], error));
  EXPECT_NE(error.find("cannot write the sound to ffmpeg"), std::string::npos) << error;
  close(ends[1]);
}
