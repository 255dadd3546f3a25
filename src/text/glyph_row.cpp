// Composing a line of glyphs into one bitmap at the pixels the GL would give each glyph.
#include "glyph_row.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "glyphs.h"

namespace {

// The nudge the GL adds before truncating a bitmap's position, so that a raster position a
// hair below a whole pixel still lands on it.
constexpr float kBitmapEpsilon = 0.0001f;

int BitmapPixel(float pen, float origin) {
  const float position = pen + kBitmapEpsilon - origin;  // float steps, as the GL takes them
  return static_cast<int>(std::floor(position));
}

struct Placed {
  const GlyphBitmap* glyph;
  int left;
  int bottom;
};

// ORs one glyph's rows into the row bitmap, shifted right by column bits.
void Blit(const GlyphBitmap& glyph, int column, int rowOffset, int stride,
          std::vector<std::uint8_t>& rows) {
  const int glyphStride = (glyph.width + 7) / 8;
  const int shift = column % 8;
  for (int r = 0; r < glyph.height; ++r) {
    std::uint8_t* out = &rows[static_cast<std::size_t>((rowOffset + r) * stride + column / 8)];
    const std::uint8_t* in = &glyph.rows[static_cast<std::size_t>(r * glyphStride)];
    for (int b = 0; b < glyphStride; ++b) {
      out[b] |= static_cast<std::uint8_t>(in[b] >> shift);
      if (shift != 0) out[b + 1] |= static_cast<std::uint8_t>(in[b] << (8 - shift));
    }
  }
}

}  // namespace

RowBitmap ComposeRow(const std::vector<GlyphBitmap>& glyphs, const char* text, int length, float x,
                     float y) {
  RowBitmap row;
  std::vector<Placed> placed;
  int right = std::numeric_limits<int>::min();
  int top = std::numeric_limits<int>::min();
  row.left = std::numeric_limits<int>::max();
  row.bottom = std::numeric_limits<int>::max();
  float pen = x;
  for (int i = 0; i < length; ++i) {
    const int index = static_cast<unsigned char>(text[i]) - kFirstGlyphCode;
    if (index < 0 || index >= static_cast<int>(glyphs.size())) continue;
    const GlyphBitmap& glyph = glyphs[static_cast<std::size_t>(index)];
    if (glyph.width > 0 && glyph.height > 0) {
      const Placed p{&glyph, BitmapPixel(pen, glyph.originX), BitmapPixel(y, glyph.originY)};
      row.left = std::min(row.left, p.left);
      row.bottom = std::min(row.bottom, p.bottom);
      right = std::max(right, p.left + glyph.width);
      top = std::max(top, p.bottom + glyph.height);
      placed.push_back(p);
    }
    pen += glyph.advance;
  }
  row.endX = pen;
  if (placed.empty()) {
    row.left = row.bottom = 0;
    return row;
  }
  row.width = right - row.left;
  row.height = top - row.bottom;
  // One spare byte per row lets a shifted glyph spill past its last byte without a check.
  const int stride = (row.width + 7) / 8 + 1;
  std::vector<std::uint8_t> padded(static_cast<std::size_t>(stride * row.height));
  for (const Placed& p : placed) {
    Blit(*p.glyph, p.left - row.left, p.bottom - row.bottom, stride, padded);
  }
  const int packed = (row.width + 7) / 8;
  row.rows.resize(static_cast<std::size_t>(packed * row.height));
  for (int r = 0; r < row.height; ++r) {
    std::copy_n(&padded[static_cast<std::size_t>(r * stride)], packed,
                &row.rows[static_cast<std::size_t>(r * packed)]);
  }
  return row;
}
