// The scene clock's arithmetic and where the table's scenes end.
#include "host/scene_clock.h"

#include <gtest/gtest.h>

#include "scenes/scene_table.h"

TEST(SceneClock, CountsTenSecondUnitsFromTheStart) {
  EXPECT_EQ(SceneClock(5000, 5000), 0.0f);
  EXPECT_EQ(SceneClock(5000, 15000), 1.0f);
  EXPECT_EQ(SceneClock(0, 2500), 0.25f);
}

TEST(SceneClock, SpansAWrapOfTheTickCounter) {
  // Started 3 ms before the 32-bit counter wrapped, read 7 ms after it: 10 ms elapsed.
  EXPECT_EQ(SceneClock(0xFFFFFFFDu, 7u), SceneClock(0, 10));
  EXPECT_FLOAT_EQ(SceneClock(0xFFFFF000u, 0x00001000u), 0x2000 / 10000.0f);
}

TEST(SceneClock, SceneOneDrawsUpTo31000MsAndEndsAt31001AndSceneTwoNeverEnds) {
  const Scene& one = SceneNumber(1);
  EXPECT_FALSE(SceneIsOver(one, SceneClock(0, 31000)));
  EXPECT_TRUE(SceneIsOver(one, SceneClock(0, 31001)));
  EXPECT_FALSE(SceneIsOver(one, SceneClock(1000, 32000)));
  EXPECT_TRUE(SceneIsOver(one, SceneClock(0xFFFFFFFFu, 31000)));
  EXPECT_FALSE(SceneIsOver(SceneNumber(2), SceneClock(0, 0xFFFFFFFFu)));
}
