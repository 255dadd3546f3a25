// demo-capture's command line: what each option sets, and every kind of bad input refused.
#include "capture/capture_options.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

ParsedCommandLine Parse(std::initializer_list<const char*> arguments) {
  std::vector<const char*> argv{"demo-capture"};
  argv.insert(argv.end(), arguments);
  return ParseCaptureOptions(static_cast<int>(argv.size()), argv.data());
}

// The command line is refused, with a message that contains expected.
void ExpectRefused(std::initializer_list<const char*> arguments, const std::string& expected) {
  const ParsedCommandLine parsed = Parse(arguments);
  std::string line;
  for (const char* argument : arguments) line += std::string(" ") + argument;
  EXPECT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Error) << line;
  EXPECT_NE(parsed.error.find(expected), std::string::npos)
      << line << "\n  gave: " << parsed.error << "\n  expected it to mention: " << expected;
}

}  // namespace

TEST(CaptureOptions, AVideoNeedsOnlyAnOutputAndDefaultsTo75SecondsAt60Fps) {
  const ParsedCommandLine parsed = Parse({"--out", "demo.mp4"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_EQ(parsed.options.mode, CaptureOptions::Mode::Video);
  EXPECT_EQ(parsed.options.out, "demo.mp4");
  EXPECT_EQ(parsed.options.fps, 60);
  EXPECT_EQ(parsed.options.seconds, 75.0);
  EXPECT_FALSE(parsed.options.orbit);
  EXPECT_EQ(parsed.options.width, 800);
  EXPECT_EQ(parsed.options.height, 600);
}

TEST(CaptureOptions, VideoOptionsAreRead) {
  const ParsedCommandLine parsed =
      Parse({"--fps", "30", "--orbit", "--seconds", "2.5", "--out", "clip.mp4"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_EQ(parsed.options.fps, 30);
  EXPECT_EQ(parsed.options.seconds, 2.5);
  EXPECT_TRUE(parsed.options.orbit);
  EXPECT_EQ(parsed.options.out, "clip.mp4");
}

TEST(CaptureOptions, TheVideoSizeIsReadAndMustBeEvenAndWithinLimits) {
  ParsedCommandLine parsed = Parse({"--size", "1920x1080", "--out", "clip.mp4"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_EQ(parsed.options.width, 1920);
  EXPECT_EQ(parsed.options.height, 1080);
  parsed = Parse({"--size", "16x4320", "--out", "clip.mp4"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_EQ(parsed.options.width, 16);
  EXPECT_EQ(parsed.options.height, 4320);

  for (const char* size :
       {"1921x1080", "1920x1081", "14x600", "800x14", "7682x600", "800x4322", "1920", "1920x",
        "x1080", "1920*1080", "0x0", "-800x600", "800x600x2", " 800x600", "0x800x600"}) {
    ExpectRefused({"--out", "v.mp4", "--size", size}, std::string("not '") + size + "'");
  }
  ExpectRefused({"--out", "v.mp4", "--size"}, "--size needs a value");
  ExpectRefused({"--still", "--scene", "1", "--t", "0", "--size", "800x600", "--out", "f.png"},
                "for videos, or for a --sharp --still");
}

TEST(CaptureOptions, SharpDrawsAtTheFourByThreeAreaOfTheSize) {
  ParsedCommandLine parsed = Parse({"--size", "3840x2160", "--sharp", "--out", "clip.mp4"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_TRUE(parsed.options.sharp);
  EXPECT_EQ(CaptureDrawingSize(parsed.options), (PictureSize{2880, 2160}));
  // Without --sharp (or at the picture's size) the frames are the 800 x 600 picture.
  parsed = Parse({"--size", "3840x2160", "--out", "clip.mp4"});
  EXPECT_EQ(CaptureDrawingSize(parsed.options), PictureSize{});
  parsed = Parse({"--sharp", "--out", "clip.mp4"});
  EXPECT_EQ(CaptureDrawingSize(parsed.options), PictureSize{});

  parsed = Parse(
      {"--still", "--scene", "2", "--t", "1", "--sharp", "--size", "1600x1200", "--out", "f.png"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_EQ(CaptureDrawingSize(parsed.options), (PictureSize{1600, 1200}));
  ExpectRefused({"--still", "--scene", "1", "--t", "0", "--sharp", "--out", "f.png"},
                "a --sharp --still needs --size");
}

TEST(CaptureOptions, StillOptionsAreReadAndTheCursorDefaultsToTheCentre) {
  ParsedCommandLine parsed =
      Parse({"--still", "--scene", "2", "--t", "0.75", "--cursor", "0,599", "--out", "f.png"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_EQ(parsed.options.mode, CaptureOptions::Mode::Still);
  EXPECT_EQ(parsed.options.scene, 2);
  EXPECT_EQ(parsed.options.t, 0.75f);
  EXPECT_EQ(parsed.options.cursor.x, 0);
  EXPECT_EQ(parsed.options.cursor.y, 599);

  parsed = Parse({"--still", "--scene", "1", "--t", "0", "--out", "f.png"});
  ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error;
  EXPECT_EQ(parsed.options.cursor.x, 400);
  EXPECT_EQ(parsed.options.cursor.y, 300);
}

TEST(CaptureOptions, SceneOneStillsReachExactlyTheLastMomentTheDemoDraws) {
  // The demo draws scene 1 while its clock is at most 3.1 in single precision.
  EXPECT_EQ(Parse({"--still", "--scene", "1", "--t", "3.1", "--out", "f.png"}).outcome,
            ParsedCommandLine::Outcome::Run);
  ExpectRefused({"--still", "--scene", "1", "--t", "3.1001", "--out", "f.png"}, "scene 1 ends");
  EXPECT_EQ(Parse({"--still", "--scene", "2", "--t", "12", "--out", "f.png"}).outcome,
            ParsedCommandLine::Outcome::Run);
}

TEST(CaptureOptions, BadNumbersAreRefusedWithTheOptionNamed) {
  for (const char* fps : {"0", "-5", "abc", "60.5", "nan", "241", "", " 30", "30x"}) {
    ExpectRefused({"--out", "v.mp4", "--fps", fps}, "--fps takes");
  }
  for (const char* seconds : {"0", "-1", "nan", "NaN", "inf", "1e999", "x", "3601", "2s", "0x10",
                              "0x1p4", "1e1", ".", "+", "1.2.3", " 5"}) {
    ExpectRefused({"--out", "v.mp4", "--seconds", seconds}, "--seconds takes");
  }
  for (const char* scene : {"0", "3", "one", "1.0"}) {
    ExpectRefused({"--still", "--scene", scene, "--t", "0", "--out", "f.png"}, "--scene takes");
  }
  for (const char* t : {"-0.1", "nan", "abc", "inf", "0x1", "1e-1"}) {
    ExpectRefused({"--still", "--scene", "2", "--t", t, "--out", "f.png"}, "--t takes");
  }
  for (const char* cursor : {"800,0", "0,600", "-1,5", "5", "a,b", "1,2,3", ",", "400,"}) {
    ExpectRefused({"--still", "--scene", "2", "--t", "0", "--cursor", cursor, "--out", "f.png"},
                  "--cursor takes");
  }
}

TEST(CaptureOptions, AVideoTooShortForOneFrameIsRefused) {
  ExpectRefused({"--out", "v.mp4", "--fps", "1", "--seconds", "0.4"}, "too short");
  EXPECT_EQ(Parse({"--out", "v.mp4", "--fps", "1", "--seconds", "0.5"}).outcome,
            ParsedCommandLine::Outcome::Run);
}

TEST(CaptureOptions, MisplacedUnknownAndMissingOptionsAreRefused) {
  ExpectRefused({"--out", "v.mp4", "--frobnicate"}, "unknown option '--frobnicate'");
  ExpectRefused({"--out", "v.mp4", "stray"}, "unknown option 'stray'");
  ExpectRefused({"--fps", "30"}, "--out is required");
  ExpectRefused({"--out", ""}, "--out needs a file name");
  ExpectRefused({"--out", "v.mp4", "--fps"}, "--fps needs a value");
  ExpectRefused({"--still", "--scene", "1", "--out", "f.png"}, "--still needs --scene and --t");
  ExpectRefused({"--still", "--scene", "1", "--t", "0", "--orbit", "--out", "f.png"}, "for videos");
  ExpectRefused({"--still", "--scene", "1", "--t", "0", "--fps", "30", "--out", "f.png"},
                "for videos");
  ExpectRefused({"--out", "v.mp4", "--scene", "1"}, "need --still");
  ExpectRefused({"--out", "v.mp4", "--cursor", "1,1"}, "need --still");
}

TEST(CaptureOptions, HelpIsAnswered) {
  EXPECT_EQ(Parse({"--help"}).outcome, ParsedCommandLine::Outcome::Help);
  EXPECT_EQ(Parse({"--out", "v.mp4", "-h"}).outcome, ParsedCommandLine::Outcome::Help);
  EXPECT_NE(std::string(CaptureUsage()).find("--still --scene"), std::string::npos);
}
