// Repacking 1-bit glyph images (top-down rows with padded pitch) into glBitmap rows.
#include "mono_glyph.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Packs rows of '#' and '.' (top row first) MSB-first into rows `pitch` bytes apart, filling
// padding bits and bytes with ones so that leaks show.
std::vector<std::uint8_t> PackTopDown(const std::vector<std::string>& picture, int pitch) {
  std::vector<std::uint8_t> bytes(picture.size() * pitch, 0xFF);
  for (std::size_t row = 0; row < picture.size(); ++row) {
    for (std::size_t column = 0; column < picture[row].size(); ++column) {
      if (picture[row][column] == '.') {
        bytes[row * pitch + column / 8] &= static_cast<std::uint8_t>(~(0x80 >> (column % 8)));
      }
    }
  }
  return bytes;
}

// Reads a repacked glyph back as '#' and '.' rows, top row first.
std::vector<std::string> Unpack(const GlyphBitmap& glyph) {
  const int rowBytes = (glyph.width + 7) / 8;
  std::vector<std::string> picture;
  for (int fromBottom = glyph.height - 1; fromBottom >= 0; --fromBottom) {
    std::string row;
    for (int column = 0; column < glyph.width; ++column) {
      const std::uint8_t byte = glyph.rows[fromBottom * rowBytes + column / 8];
      row += (byte & (0x80 >> (column % 8))) ? '#' : '.';
    }
    picture.push_back(row);
  }
  return picture;
}

}  // namespace

TEST(MonoGlyph, FiveWideGlyphFlipsRowsDropsPaddingAndPlacesItsBaseline) {
  const std::vector<std::string> picture = {
      "#####",
      "#...#",
      "##.##",
      "..#..",
  };
  const std::vector<std::uint8_t> bytes = PackTopDown(picture, 2);
  MonoGlyphImage image;
  image.topRow = bytes.data();
  image.pitch = 2;
  image.width = 5;
  image.height = 4;
  image.left = 2;
  image.top = 3;  // one row hangs below the baseline
  image.advance = 9;
  const GlyphBitmap glyph = RepackMonoGlyph(image);
  ASSERT_EQ(glyph.width, 5);
  ASSERT_EQ(glyph.height, 4);
  ASSERT_EQ(glyph.rows.size(), 4u);  // one byte per row, no padding bytes
  EXPECT_EQ(Unpack(glyph), picture);
  EXPECT_EQ(glyph.rows[0], 0x20);  // bottom row first; padding bits cleared
  EXPECT_EQ(glyph.rows[3], 0xF8);
  EXPECT_EQ(glyph.originX, -2);
  EXPECT_EQ(glyph.originY, 1);
  EXPECT_EQ(glyph.advance, 9);
}

TEST(MonoGlyph, ThirtyFourWideGlyphKeepsFiveBytesPerRow) {
  const std::vector<std::string> picture = {
      "#................................#",
      ".#..............................#.",
      "#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.##",
  };
  const std::vector<std::uint8_t> bytes = PackTopDown(picture, 6);
  MonoGlyphImage image{bytes.data(), 6, 34, 3, 0, 3, 34};
  const GlyphBitmap glyph = RepackMonoGlyph(image);
  ASSERT_EQ(glyph.rows.size(), 15u);
  EXPECT_EQ(Unpack(glyph), picture);
  EXPECT_EQ(glyph.rows[4], 0xC0);  // bottom row's last byte: two ink bits, padding cleared
  EXPECT_EQ(glyph.originX, 0);
  EXPECT_EQ(glyph.originY, 0);
}

TEST(MonoGlyph, RowsRunningUpwardsInMemoryGiveTheSamePicture) {
  const std::vector<std::string> picture = {"##.", "#..", "..#"};
  const std::vector<std::uint8_t> downward = PackTopDown(picture, 2);
  // The same rows stored bottom row first; the top row sits last.
  std::vector<std::uint8_t> upward(downward.rbegin(), downward.rend());
  for (std::size_t i = 0; i < upward.size(); i += 2) std::swap(upward[i], upward[i + 1]);
  MonoGlyphImage image{upward.data() + 4, -2, 3, 3, 1, 2, 5};
  const GlyphBitmap glyph = RepackMonoGlyph(image);
  EXPECT_EQ(Unpack(glyph), picture);
  EXPECT_EQ(glyph.originX, -1);
  EXPECT_EQ(glyph.originY, 1);
}

TEST(MonoGlyph, GlyphsWithoutInkOnlyAdvance) {
  MonoGlyphImage empty;
  empty.advance = 10;
  const GlyphBitmap none = RepackMonoGlyph(empty);
  EXPECT_EQ(none.width, 0);
  EXPECT_EQ(none.height, 0);
  EXPECT_TRUE(none.rows.empty());
  EXPECT_EQ(none.advance, 10);

  // A blank cell (as a rasteriser gives for a space), padding bits set but no pixel inside.
  const std::vector<std::uint8_t> blank = PackTopDown({".", "."}, 2);
  const GlyphBitmap space = RepackMonoGlyph(MonoGlyphImage{blank.data(), 2, 1, 2, 0, 1, 10});
  EXPECT_EQ(space.width, 0);
  EXPECT_EQ(space.height, 0);
  EXPECT_TRUE(space.rows.empty());
  EXPECT_EQ(space.originX, 0);
  EXPECT_EQ(space.originY, 0);
  EXPECT_EQ(space.advance, 10);
}
