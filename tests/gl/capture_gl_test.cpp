// The capture draws exactly what the demo draws: stills and video frames compared pixel for
// pixel with frames drawn through the demo's own functions in the same offscreen context.
#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

#include "capture/capture_clock.h"
#include "capture/capture_surface.h"
#include "capture/png_file.h"
#include "capture/video_capture.h"
#include "host/scene_clock.h"
#include "offscreen_frame.h"

namespace {

std::vector<Pixel> AsPixels(const RgbPicture& picture) {
  std::vector<Pixel> pixels(picture.size() / 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = Pixel{picture[3 * i], picture[3 * i + 1], picture[3 * i + 2]};
  }
  return pixels;
}

// Writes the picture as a PNG and reads it back through libpng's own reader.
RgbPicture ThroughPngFile(const RgbPicture& picture, int width, int height,
                          const std::string& name) {
  const std::string path = ::testing::TempDir() + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  EXPECT_NE(file, nullptr);
  if (file == nullptr) return {};
  std::string error;
  EXPECT_TRUE(WritePng(file, picture, width, height, error)) << error;
  std::fclose(file);

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << image.message;
  EXPECT_EQ(image.width, static_cast<png_uint_32>(width));
  EXPECT_EQ(image.height, static_cast<png_uint_32>(height));
  image.format = PNG_FORMAT_RGB;
  RgbPicture read(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr)) << image.message;
  std::remove(path.c_str());
  return read;
}

}  // namespace

using CaptureGL = OffscreenFrame;

TEST_F(CaptureGL, AStillIsTheDemosOwnFramePixelForPixel) {
  const FrameInput cases[] = {
      {1, 0.0f, {400, 300}}, {1, 2.5f, {100, 50}},  {1, 3.1f, {799, 599}},
      {2, 0.0f, {400, 300}}, {2, 1.7f, {700, 500}}, {2, 6.0f, {0, 0}},
  };
  for (const FrameInput& c : cases) {
    DrawFrame(c);
    const std::vector<Pixel> expected = ReadPicture();

    RgbPicture still;
    CaptureFrame(window, c, still);
    ASSERT_EQ(still.size(), 800u * 600u * 3u);
    const RgbPicture saved = ThroughPngFile(still, gResX, gResY, "still.png");
    EXPECT_TRUE(AsPixels(saved) == expected)
        << "scene " << c.scene << " t " << c.t << " cursor " << c.cursor.x << "," << c.cursor.y;
  }
}

TEST(PngFile, KeepsEveryPixelAndTheTopRowFirst) {
  // A picture whose every pixel differs from its neighbours and whose rows are all unlike.
  const int width = 37;
  const int height = 23;
  RgbPicture picture(width * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &picture[(y * width + x) * 3];
      p[0] = static_cast<std::uint8_t>(x * 7);
      p[1] = static_cast<std::uint8_t>(y * 11);
      p[2] = static_cast<std::uint8_t>((x * y) ^ 0x5a);
    }
  }
  EXPECT_EQ(ThroughPngFile(picture, width, height, "pattern.png"), picture);
}

TEST(PngFile, AFailedWriteIsReported) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  std::string error;
  EXPECT_FALSE(WritePng(full, RgbPicture(800 * 600 * 3, 0), 800, 600, error));
  EXPECT_FALSE(error.empty());
  std::fclose(full);
}

TEST_F(CaptureGL, VideoFramesFollowTheTimelineAndTheOrbitPath) {
  std::vector<RgbPicture> frames;
  std::vector<std::int64_t> numbers;
  const std::int64_t delivered =
      RenderVideoFrames(window, 6, 30, true, [&](std::int64_t frame, const RgbPicture& p) {
        frames.push_back(p);
        numbers.push_back(frame);
        return frame < 2;  // the sink stops the capture after frame 2
      });
  EXPECT_EQ(delivered, 2);
  ASSERT_EQ(numbers, (std::vector<std::int64_t>{0, 1, 2}));

  for (std::int64_t frame = 0; frame < 3; ++frame) {
    const std::uint32_t ms = FrameElapsedMs(frame, 30);
    DrawFrame(FrameInput{1, SceneClock(0, ms), OrbitCursor(ms)});
    EXPECT_TRUE(AsPixels(frames[frame]) == ReadPicture()) << "frame " << frame;
  }
}
