// Fitting the 800 x 600 picture onto screens of other shapes, and mapping the cursor back.
#include "platform/letterbox.h"

#include <gtest/gtest.h>

TEST(FitPicture, FillsAWindowOfTheSameShape) {
  const Rect same = FitPicture(800, 600, 800, 600);
  EXPECT_EQ(same.x, 0);
  EXPECT_EQ(same.y, 0);
  EXPECT_EQ(same.width, 800);
  EXPECT_EQ(same.height, 600);
  const Rect larger = FitPicture(1600, 1200, 800, 600);
  EXPECT_EQ(larger.width, 1600);
  EXPECT_EQ(larger.height, 1200);
}

TEST(FitPicture, CentresWithBarsAtTheSidesOfAWideScreen) {
  const Rect wide = FitPicture(1920, 1080, 800, 600);
  EXPECT_EQ(wide.width, 1440);
  EXPECT_EQ(wide.height, 1080);
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.y, 0);
}

TEST(FitPicture, CentresWithBarsAboveAndBelowOnATallScreen) {
  const Rect tall = FitPicture(1280, 1024, 800, 600);
  EXPECT_EQ(tall.width, 1280);
  EXPECT_EQ(tall.height, 960);
  EXPECT_EQ(tall.x, 0);
  EXPECT_EQ(tall.y, 32);
}

TEST(WindowToPicture, MapsThroughTheFittedRectangleAndClampsOverTheBars) {
  const Rect tall = FitPicture(1280, 1024, 800, 600);
  int x = 640;
  int y = 512;
  WindowToPicture(tall, 800, 600, x, y);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);
  x = 0;
  y = 5;  // over the top bar
  WindowToPicture(tall, 800, 600, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  x = 1279;
  y = 1023;  // over the bottom bar
  WindowToPicture(tall, 800, 600, x, y);
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
}
