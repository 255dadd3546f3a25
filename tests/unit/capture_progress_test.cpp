// The progress line's wording: percent, frames, speed and time left.
#include <gtest/gtest.h>

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
