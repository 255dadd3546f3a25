// The demo's command line: the window option, help, and what is refused.
#include "host/demo_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

DemoOptions Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "demo");
  return ParseDemoOptions(static_cast<int>(arguments.size()), arguments.data());
}

TEST(DemoOptions, NoOptionsRunFullScreenAndWindowAsksForAWindow) {
  const DemoOptions plain = Parse({});
  EXPECT_EQ(plain.outcome, DemoOptions::Outcome::Run);
  EXPECT_FALSE(plain.windowed);

  const DemoOptions windowed = Parse({"--window"});
  EXPECT_EQ(windowed.outcome, DemoOptions::Outcome::Run);
  EXPECT_TRUE(windowed.windowed);
  EXPECT_EQ(Parse({"--window", "--window"}).outcome, DemoOptions::Outcome::Run);
}

TEST(DemoOptions, HelpWinsWhereverItStands) {
  EXPECT_EQ(Parse({"--help"}).outcome, DemoOptions::Outcome::Help);
  EXPECT_EQ(Parse({"-h"}).outcome, DemoOptions::Outcome::Help);
  EXPECT_EQ(Parse({"--window", "--help"}).outcome, DemoOptions::Outcome::Help);
  EXPECT_EQ(Parse({"--bogus", "--help"}).outcome, DemoOptions::Outcome::Help);
}

TEST(DemoOptions, UnknownOptionsAndArgumentsAreNamedInTheError) {
  const DemoOptions unknown = Parse({"--window", "--fullscreen"});
  EXPECT_EQ(unknown.outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(unknown.error, "unknown option '--fullscreen'");

  // The first wrong argument is the one reported.
  const DemoOptions stray = Parse({"music.xm", "--x"});
  EXPECT_EQ(stray.outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(stray.error, "unexpected argument 'music.xm'");

  // Options are whole words: no abbreviations, no values attached.
  EXPECT_EQ(Parse({"--win"}).outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(Parse({"--window=1"}).outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(Parse({""}).outcome, DemoOptions::Outcome::Error);
}

TEST(DemoOptions, DeveloperOptionsStartTheTimelineAndReportFrames) {
  const DemoOptions plain = Parse({});
  EXPECT_EQ(plain.startScene, 1);
  EXPECT_EQ(plain.startAtMs, 0u);
  EXPECT_FALSE(plain.freeze);
  EXPECT_FALSE(plain.frameTimes);

  const DemoOptions all = Parse({"--scene", "2", "--at", "12000", "--freeze", "--frame-times"});
  EXPECT_EQ(all.outcome, DemoOptions::Outcome::Run);
  EXPECT_EQ(all.startScene, 2);
  EXPECT_EQ(all.startAtMs, 12000u);
  EXPECT_TRUE(all.freeze);
  EXPECT_TRUE(all.frameTimes);
}

TEST(DemoOptions, DeveloperOptionValuesAreCheckedAndNamedInTheError) {
  EXPECT_EQ(Parse({"--scene", "3"}).error, "--scene takes 1 to 2, not '3'");
  EXPECT_EQ(Parse({"--scene", "0"}).outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(Parse({"--scene", "1x"}).outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(Parse({"--at", "-5"}).error,
            "--at takes whole milliseconds from 0 to 86400000, not '-5'");
  EXPECT_EQ(Parse({"--at", "86400001"}).outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(Parse({"--at", "99999999999999999999"}).outcome, DemoOptions::Outcome::Error);
  EXPECT_EQ(Parse({"--at", "86400000"}).startAtMs, 86'400'000u);
  EXPECT_EQ(Parse({"--window", "--at"}).error, "--at needs a value");
}

TEST(DemoOptions, UsageNamesEveryOption) {
  const std::string usage = DemoUsage();
  EXPECT_EQ(usage.rfind("usage: demo", 0), 0U);
  EXPECT_NE(usage.find("--window"), std::string::npos);
  EXPECT_NE(usage.find("--help"), std::string::npos);
  EXPECT_NE(usage.find("Alt+Enter"), std::string::npos);
  for (const char* option : {"--scene", "--at", "--freeze", "--frame-times"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(usage.back(), '\n');
}

}  // namespace
