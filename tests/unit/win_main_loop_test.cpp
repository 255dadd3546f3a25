// The whole run driven through the recording platform: start-up and shutdown order, the
// message pump, the two-scene timeline and the exit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "host/message_handler.h"
#include "host/win_main.h"
#include "support/recording_platform.h"
#include "support/scratch_folder.h"

namespace {

const Message kEsc{MessageType::KeyDown, kKeyEscape};
const Message kClose{MessageType::Close, 0};

// Ends a run that should already have ended, so a broken loop fails instead of hanging.
void StopRunawayLoop(RecordingPlatform& platform, int frame) {
  if (frame == 1000) platform.QueueMessage(Message{MessageType::Quit, 99});
}

std::vector<std::string> Tail(const std::vector<std::string>& calls, std::size_t count) {
  return {calls.end() - static_cast<std::ptrdiff_t>(std::min(count, calls.size())), calls.end()};
}

// Makes the tick counter read the given values in turn, staying at the last; returns how
// many reads were made so far.
std::shared_ptr<std::size_t> PlayTicks(RecordingPlatform& platform,
                                       std::vector<std::uint32_t> ticks) {
  auto reads = std::make_shared<std::size_t>(0);
  platform.ticks = [ticks, reads] { return ticks[std::min((*reads)++, ticks.size() - 1)]; };
  return reads;
}

long Count(const std::vector<std::string>& calls, const std::string& call) {
  return std::count(calls.begin(), calls.end(), call);
}

}  // namespace

TEST(WinMainLoop, StartsUpInOrderBeforeTheFirstFrame) {
  ScratchFolder here("loop_working_directory");
  ScratchFolder program("loop_program");
  here.Enter();
  const std::string song = program.Write("music.xm", "");
  RecordingPlatform platform;
  platform.SetProgramDirectory(program.Path());
  platform.onSwap = [&](int) { platform.QueueMessage(kEsc); };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  const std::vector<std::string> expected = {"HideCursor",
                                             "CreateDemoWindow",
                                             "CreateGLContext",
                                             "ShowDemoWindow",
                                             "StartMixer 44100 32 0",
                                             "LoadSong " + song,
                                             "PlaySong",
                                             "Peek empty",
                                             "SwapBuffers",
                                             "Sleep 1"};
  const std::vector<std::string>& calls = platform.Calls();
  ASSERT_GE(calls.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + expected.size()), expected);
}

TEST(WinMainLoop, WithNoMusicAnywhereNothingIsLoadedAndTheDemoRunsSilent) {
  ScratchFolder here("loop_no_music_here");
  ScratchFolder program("loop_no_music_program");
  here.Enter();
  RecordingPlatform platform;
  platform.SetProgramDirectory(program.Path());
  platform.onSwap = [&](int) { platform.QueueMessage(kEsc); };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  const std::vector<std::string>& calls = platform.Calls();
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                          [](const std::string& call) { return call.rfind("LoadSong", 0) == 0; }),
            0);
  EXPECT_EQ(Count(calls, "PlaySong null"), 1);
  EXPECT_EQ(Count(calls, "FreeSong null"), 1);
}

TEST(WinMainLoop, EscInSceneOneShutsDownInOrderAndSceneTwoNeverDraws) {
  RecordingPlatform platform;
  platform.SetTicks(1000);
  platform.onSwap = [&](int frame) {
    if (frame == 3) platform.QueueMessage(kEsc);
    StopRunawayLoop(platform, frame);
  };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  EXPECT_EQ(platform.FrameTicks().size(), 3u);
  const std::vector<std::string> expected = {
      "SwapBuffers", "Sleep 1",  "Peek KeyDown",    "PostQuitMessage 0",
      "Peek Quit",   "FreeSong", "DeleteGLContext", "DestroyDemoWindow"};
  EXPECT_EQ(Tail(platform.Calls(), expected.size()), expected);
}

TEST(WinMainLoop, TheCloseCommandQuitsLikeEsc) {
  RecordingPlatform platform;
  platform.onSwap = [&](int frame) {
    if (frame == 2) platform.QueueMessage(kClose);
    StopRunawayLoop(platform, frame);
  };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  EXPECT_EQ(platform.FrameTicks().size(), 2u);
  const std::vector<std::string> expected = {"Peek Close",      "PostQuitMessage 0",
                                             "Peek Quit",       "FreeSong",
                                             "DeleteGLContext", "DestroyDemoWindow"};
  EXPECT_EQ(Tail(platform.Calls(), expected.size()), expected);
}

TEST(WinMainLoop, OtherKeysAndMessagesDoNotQuit) {
  RecordingPlatform platform;
  platform.onSwap = [&](int frame) {
    if (frame == 1) {
      platform.QueueMessage(Message{MessageType::KeyDown, 'a'});
      platform.QueueMessage(Message{MessageType::KeyDown, 13});
      platform.QueueMessage(Message{MessageType::Other, 0});
    }
    if (frame == 5) platform.QueueMessage(kEsc);
    StopRunawayLoop(platform, frame);
  };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  EXPECT_EQ(platform.FrameTicks().size(), 5u);
  EXPECT_EQ(Count(platform.Calls(), "PostQuitMessage 0"), 1);
  EXPECT_EQ(Count(platform.Calls(), "DefWindowProc"), 1);
}

TEST(WinMainLoop, PendingMessagesDelayFramesButNotTheClock) {
  RecordingPlatform platform;
  // Each message handled takes 100 ms of real time.
  platform.ticks = [&] {
    return static_cast<std::uint32_t>(100 * Count(platform.Calls(), "Peek Other"));
  };
  for (int i = 0; i < 20; ++i) platform.QueueMessage(Message{MessageType::Other, 0});
  platform.onSwap = [&](int frame) {
    if (frame == 1) platform.QueueMessage(kEsc);
  };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  // One message per pass, and a frame only in a pass that found the queue empty: the first
  // frame comes after all 20 messages and shows the time at which it was drawn, 2.0 s.
  ASSERT_EQ(platform.FrameTicks().size(), 1u);
  EXPECT_EQ(platform.FrameTicks()[0], 2000u);
  const std::vector<std::string>& calls = platform.Calls();
  const auto firstFrame = std::find(calls.begin(), calls.end(), "SwapBuffers");
  EXPECT_EQ(std::count(calls.begin(), firstFrame, "Peek Other"), 20);
  EXPECT_EQ(std::count(calls.begin(), firstFrame, "Peek empty"), 1);
  EXPECT_EQ(*(firstFrame - 1), "Peek empty");
}

TEST(WinMainLoop, SceneOneDrawsAt31000MsAndSceneTwoRestartsTheClock) {
  RecordingPlatform platform;
  // Scene 1 starts at 0; its frames read 31000 (drawn) and 31001 (ends it). Scene 2 starts
  // at 45000 and draws at 45000 and at 10 hours, since it never ends by itself.
  const auto reads = PlayTicks(platform, {0, 31000, 31001, 45000, 45000, 36'045'000});
  platform.onSwap = [&](int frame) {
    if (frame == 3) platform.QueueMessage(kEsc);
    StopRunawayLoop(platform, frame);
  };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  EXPECT_EQ(platform.FrameTicks(), (std::vector<std::uint32_t>{31000, 45000, 36'045'000}));
  EXPECT_EQ(*reads, 6u);
}

TEST(WinMainLoop, SceneOneEndsOnTimeWhenTheTickCounterWrapsMidScene) {
  RecordingPlatform platform;
  // Scene 1 starts 20 s before the 32-bit counter wraps, so its end falls after the wrap.
  const std::uint32_t start = 0xFFFFFFFFu - 19'999;
  PlayTicks(platform,
            {start, start + 30000, start + 31000, start + 31001, start + 40000, start + 40000});
  platform.onSwap = [&](int frame) {
    if (frame == 3) platform.QueueMessage(kEsc);
    StopRunawayLoop(platform, frame);
  };
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 0);
  // 31,000 ms after the start still draws scene 1 and 31,001 ms ends it, across the wrap.
  EXPECT_EQ(platform.FrameTicks(),
            (std::vector<std::uint32_t>{start + 30000, start + 31000, start + 40000}));
  EXPECT_LT(platform.FrameTicks()[1], start);
}

TEST(WinMainLoop, ReturnsTheQuitMessagesCode) {
  RecordingPlatform platform;
  platform.QueueMessage(Message{MessageType::Quit, 7});
  EXPECT_EQ(host::WinMain(platform.Parts(), DemoOptions{}), 7);
  EXPECT_TRUE(platform.FrameTicks().empty());
  EXPECT_EQ(Tail(platform.Calls(), 3),
            (std::vector<std::string>{"FreeSong", "DeleteGLContext", "DestroyDemoWindow"}));
}

TEST(WndProc, QuitsOnEscAndCloseAndPassesOtherMessagesOn) {
  RecordingPlatform platform;
  EXPECT_EQ(WndProc(platform, kClose), 0);
  EXPECT_EQ(WndProc(platform, kEsc), 0);
  EXPECT_EQ(Count(platform.Calls(), "PostQuitMessage 0"), 2);
  EXPECT_EQ(WndProc(platform, Message{MessageType::KeyDown, 'q'}), 0);
  EXPECT_EQ(Count(platform.Calls(), "PostQuitMessage 0"), 2);
  EXPECT_EQ(WndProc(platform, Message{MessageType::Other, 0}), RecordingPlatform::kDefaultResult);
  EXPECT_EQ(platform.Calls().back(), "DefWindowProc");
}
