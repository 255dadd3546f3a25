// Collects what a frame draws through the fixed-function layer (triangles in clip coordinates,
// glyph bitmaps in window pixels) and draws it with GLES2 calls (WebGL's on the page, Mesa's
// natively) in two draw calls.
#pragma once

#include <GLES2/gl2.h>

#include <cstdint>
#include <vector>

// A 1-bit bitmap as glBitmap describes it, unpacked to one byte per pixel (0 or 1), rows from
// the bottom up.
struct BitmapImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

class FrameBatch {
 public:
  // Compiles the two programs and makes the buffers; needs the context current.
  bool Create();
  // Frees what Create made; needs the same context current.
  void Release();

  // A triangle corner: clip coordinates (x, y, z, w) and an RGB colour in [0, 1].
  void AddVertex(const float clip[4], const float colour[3]);
  // Keeps a bitmap for the glyph texture; returns its number for AddBitmap.
  int KeepBitmap(BitmapImage image);
  // Frees a kept bitmap's place in the glyph texture and its number. It must not be waiting to
  // be drawn: flush the bitmaps first.
  void ForgetBitmap(int image);
  // Draws kept bitmap `image` with its lower-left pixel at window pixel (left, bottom) of a
  // viewport of width x height, in colour where its pixels are set.
  void AddBitmap(int image, int left, int bottom, int width, int height, const float colour[3]);
  bool HasBitmaps() const { return !glyphVertices_.empty(); }
  // Draws the triangles, then the bitmaps, and empties the batch.
  void Flush();

 private:
  // Places the kept bitmaps in the glyph texture and uploads it.
  void UploadGlyphTexture();

  GLuint triangleProgram_ = 0;
  GLuint glyphProgram_ = 0;
  GLuint buffer_ = 0;
  GLuint texture_ = 0;
  // Colours as 8-bit levels; texture coordinates in texels from the bitmap's lower-left corner
  // until Flush adds where the bitmap is in the texture.
  std::vector<float> triangleVertices_;  // x, y, z, w, r, g, b
  std::vector<float> glyphVertices_;     // x, y, z, w, r, g, b, u, v
  std::vector<int> glyphImages_;         // the image each six of glyphVertices_ show
  // Kept bitmaps by number; a forgotten one is empty, not kept, and its number in freeNumbers_.
  std::vector<BitmapImage> images_;
  std::vector<bool> imageKept_;
  std::vector<int> freeNumbers_;
  // Each image's lower-left texel in the glyph texture, set when the texture is uploaded.
  std::vector<int> imageLeft_;
  std::vector<int> imageBottom_;
  int textureWidth_ = 0;
  int textureHeight_ = 0;
  bool textureCurrent_ = false;
};
