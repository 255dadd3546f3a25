// The progress line: its wording (percent, frames, speed, time left) and how it is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "capture/progress.h"

namespace {

void ExpectContains(const std::string& line, const std::string& part) {
  EXPECT_NE(line.find(part), std::string::npos) << "'" << line << "' lacks '" << part << "'";
}

}  // namespace

TEST(CaptureProgress, BeforeTheFirstFrameSpeedAndTimeLeftAreUnknown) {
  const std::string line = FormatProgress(0, 4500, 60, 0.2);
  ExpectContains(line, "  0%");
  ExpectContains(line, "0/4500 frames");
  ExpectContains(line, "?x real time");
  ExpectContains(line, "? left");
}

TEST(CaptureProgress, SpeedIsVideoTimePerWallTimeAndTheRestIsExtrapolated) {
  // 45 frames at 60 fps are 0.75 s of video made in 1.5 s: half real time, and the other
  // 55 frames take 55 / 45 * 1.5 = 1.83 s, shown rounded up.
  const std::string line = FormatProgress(45, 100, 60, 1.5);
  ExpectContains(line, " 45%");
  ExpectContains(line, "45/100 frames");
  ExpectContains(line, "0.5x real time");
  ExpectContains(line, "0:02 left");

  ExpectContains(FormatProgress(600, 4500, 60, 4), "2.5x real time");
  ExpectContains(FormatProgress(600, 4500, 60, 4), "0:26 left");
  ExpectContains(FormatProgress(1, 10000, 1, 1), "2:46:39 left");
}

TEST(CaptureProgress, OnlyTheLastFrameShows100Percent) {
  ExpectContains(FormatProgress(4499, 4500, 60, 10), " 99%");
  const std::string done = FormatProgress(4500, 4500, 60, 10);
  ExpectContains(done, "100%");
  ExpectContains(done, "4500/4500 frames");
  ExpectContains(done, "7.5x real time");
  ExpectContains(done, "0:00 left");
}

namespace {

// Everything a ProgressLine printed after the updates 0, 1, ..., total and Finish.
std::string ShownProgress(bool terminal, std::int64_t total) {
  std::FILE* out = std::tmpfile();
  ProgressLine progress(total, 60, out, terminal);
  for (std::int64_t done = 0; done <= total; ++done) progress.Update(done);
  progress.Finish();
  std::string text(static_cast<std::size_t>(std::ftell(out)), '\0');
  std::rewind(out);
  text.resize(std::fread(text.data(), 1, text.size(), out));
  std::fclose(out);
  return text;
}

}  // namespace

TEST(CaptureProgress, OnATerminalOneLineIsRewrittenInPlaceAndEndedOnce) {
  const std::string shown = ShownProgress(true, 1000);
  EXPECT_EQ(shown.front(), '\r');
  EXPECT_EQ(shown.find('\n'), shown.size() - 1) << shown;
  ExpectContains(shown, "\rdemo-capture: 100%  1000/1000 frames");
}

TEST(CaptureProgress, ElsewhereWholeLinesAreWrittenNowAndThenNeverCarriageReturns) {
  const std::string shown = ShownProgress(false, 1000);
  EXPECT_EQ(shown.find('\r'), std::string::npos) << shown;
  EXPECT_EQ(shown.rfind("demo-capture:   0%  0/1000 frames", 0), 0u) << shown;
  EXPECT_EQ(shown.back(), '\n');
  ExpectContains(shown, "\ndemo-capture: 100%  1000/1000 frames");
  // Not a line per frame: a log file fills with a few lines a minute, not thousands.
  EXPECT_LT(std::count(shown.begin(), shown.end(), '\n'), 100) << shown;
}
