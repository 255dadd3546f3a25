// The raster position, glBitmap and the display lists that hold one bitmap each.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "fixed_function.h"
#include "fixed_function_state.h"

namespace {

// Unpacks glBitmap's rows (leftmost pixel in the high bit, rows padded to the unpack alignment).
BitmapImage Unpack(GLsizei width, GLsizei height, const GLubyte* rows, int alignment) {
  BitmapImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<std::size_t>(width) * height);
  const int stride = ((width + 7) / 8 + alignment - 1) / alignment * alignment;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const GLubyte byte = rows[y * stride + x / 8];
      image.pixels[static_cast<std::size_t>(y) * width + x] = (byte >> (7 - x % 8)) & 1;
    }
  }
  return image;
}

// Where glBitmap puts a bitmap: the GL floors the raster position plus a small epsilon minus
// the origin, then moves the raster position by float additions. An invalid raster position
// draws nothing and stays where it is.
void DrawBitmap(FixedFunctionState& state, const BitmapList& bitmap) {
  RasterPosition& raster = state.raster;
  if (!raster.valid) return;
  constexpr float kEpsilon = 0.0001f;
  const auto left = static_cast<int>(std::floor(raster.x + kEpsilon - bitmap.originX));
  const auto bottom = static_cast<int>(std::floor(raster.y + kEpsilon - bitmap.originY));
  state.batch.AddBitmap(bitmap.image, left, bottom, state.viewport[2], state.viewport[3],
                        raster.colour);
  raster.x += bitmap.moveX;
  raster.y += bitmap.moveY;
}

}  // namespace

// The raster position, transformed as a vertex and mapped to window pixels. A point outside
// the view volume makes it invalid. It takes the current colour.
void FixedFunction::RasterPos3f(GLfloat x, GLfloat y, GLfloat z) {
  float clip[4];
  TransformPoint(state_->ModelViewProjection(), x, y, z, clip);
  RasterPosition& raster = state_->raster;
  const float w = clip[3];
  raster.valid = std::abs(clip[0]) <= w && std::abs(clip[1]) <= w && std::abs(clip[2]) <= w;
  const int* viewport = state_->viewport;
  const float halfWidth = viewport[2] / 2.0f;
  const float halfHeight = viewport[3] / 2.0f;
  raster.x = clip[0] / w * halfWidth + (viewport[0] + halfWidth);
  raster.y = clip[1] / w * halfHeight + (viewport[1] + halfHeight);
  std::copy(state_->colour, state_->colour + 3, raster.colour);
}

GLuint FixedFunction::GenLists(GLsizei range) {
  const GLuint first = state_->nextList;
  state_->nextList += static_cast<GLuint>(range);
  return first;
}

void FixedFunction::NewList(GLuint list, GLenum) { state_->compiling = list; }

void FixedFunction::EndList() { state_->compiling = 0; }

// The bitmap is unpacked now, under the current unpack alignment, as the GL does when it
// compiles a list.
void FixedFunction::Bitmap(GLsizei width, GLsizei height, GLfloat originX, GLfloat originY,
                           GLfloat moveX, GLfloat moveY, const GLubyte* bitmap) {
  const int image =
      state_->batch.KeepBitmap(Unpack(width, height, bitmap, state_->client.unpackAlignment));
  const BitmapList entry{image, originX, originY, moveX, moveY};
  if (state_->compiling != 0) {
    state_->lists[state_->compiling] = entry;
  } else {
    DrawBitmap(*state_, entry);
  }
}

void FixedFunction::DeleteLists(GLuint list, GLsizei range) {
  if (range <= 0) return;
  // A bitmap waiting to be drawn may be one of those freed.
  state_->FlushBitmaps();
  const std::uint64_t end = std::uint64_t{list} + static_cast<std::uint64_t>(range);
  auto entry = state_->lists.lower_bound(list);
  while (entry != state_->lists.end() && entry->first < end) {
    state_->batch.ForgetBitmap(entry->second.image);
    entry = state_->lists.erase(entry);
  }
}

void FixedFunction::ListBase(GLuint base) { state_->server.listBase = base; }

// Lists are not kept in lists: called while one is compiled, they do nothing.
void FixedFunction::CallLists(GLsizei n, GLenum type, const GLvoid* lists) {
  if (type != GL_UNSIGNED_BYTE || state_->compiling != 0) return;
  const auto* codes = static_cast<const GLubyte*>(lists);
  for (GLsizei i = 0; i < n; ++i) {
    const auto found = state_->lists.find(state_->server.listBase + codes[i]);
    if (found != state_->lists.end()) DrawBitmap(*state_, found->second);
  }
}

void FixedFunction::PixelStorei(GLenum name, GLint value) {
  if (name == GL_UNPACK_ALIGNMENT) state_->client.unpackAlignment = value;
}
