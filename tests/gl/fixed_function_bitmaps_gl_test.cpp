// The web's GL layer puts bitmaps on the pixels Mesa puts them on for the same calls: glyph
// display lists compiled under each unpack alignment and called through a list base, direct
// glBitmap calls, raster positions at pixel fractions, under a camera, near and outside the
// view, and the attribute stacks that save the list base and the pixel store.
#include <string>
#include <vector>

#include "layer_beside_mesa.h"

namespace {

// A bitmap from rows of '#' and '.', top row first.
struct Picture {
  std::vector<std::string> rows;
  int Width() const { return static_cast<int>(rows[0].size()); }
  int Height() const { return static_cast<int>(rows.size()); }

  // glBitmap's rows, bottom first, leftmost pixel in the high bit, each padded to alignment.
  std::vector<GLubyte> Packed(int alignment) const {
    const int stride = ((Width() + 7) / 8 + alignment - 1) / alignment * alignment;
    std::vector<GLubyte> packed(static_cast<std::size_t>(stride * Height()), 0);
    for (int fromTop = 0; fromTop < Height(); ++fromTop) {
      const int fromBottom = Height() - 1 - fromTop;
      for (int x = 0; x < Width(); ++x) {
        if (rows[fromTop][x] != '#') continue;
        packed[fromBottom * stride + x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
      }
    }
    return packed;
  }
};

const Picture kFiveWide{{"#...#", ".#.#.", "..#..", ".#.#.", "##.##"}};
const Picture kThirteenWide{{"#############", "#.#.#.#.#.#.#", "..##..##..##.", "#...........#"}};
const Picture kNineWide{{"#.......#", ".#######.", "#.#...#.#", "#########", "....#...."}};

template <typename Gl>
void WindowCoordinates(Gl& gl) {
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadIdentity();
  gl.Ortho(0, 800, 0, 600, -1, 1);
  gl.MatrixMode(GL_MODELVIEW);
  gl.LoadIdentity();
}

// Lists 'a', 'b', 'c' compiled under unpack alignments 1, 2 and 8, and 'd' under the one
// that glPopClientAttrib brings back (4); returns the list base for codes 'a' on.
template <typename Gl>
GLuint CompileGlyphs(Gl& gl) {
  const Picture* pictures[] = {&kFiveWide, &kThirteenWide, &kNineWide, &kThirteenWide};
  const int alignments[] = {1, 2, 8, 4};
  const float origins[][2] = {{-1, 2}, {0, 0}, {3.5f, -1.25f}, {6, 1}};
  const GLuint first = gl.GenLists(4);
  gl.PixelStorei(GL_UNPACK_ALIGNMENT, 4);
  gl.PushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  for (int i = 0; i < 4; ++i) {
    if (i == 3) gl.PopClientAttrib();
    if (i < 3) gl.PixelStorei(GL_UNPACK_ALIGNMENT, alignments[i]);
    const std::vector<GLubyte> rows = pictures[i]->Packed(alignments[i]);
    gl.NewList(first + i, GL_COMPILE);
    gl.Bitmap(pictures[i]->Width(), pictures[i]->Height(), origins[i][0], origins[i][1],
              pictures[i]->Width() + 1.3f, 0.25f * i, rows.data());
    gl.EndList();
  }
  return first - 'a';
}

template <typename Gl>
void CallText(Gl& gl, const std::string& text) {
  gl.CallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}

}  // namespace

using FixedFunctionBitmapsGL = LayerBesideMesa;

TEST_F(FixedFunctionBitmapsGL, GlyphListsLandOnMesasPixels) {
  ExpectSamePixels("lists at pixel fractions, alignment left at 8", [](auto& gl) {
    WindowCoordinates(gl);
    const GLuint base = CompileGlyphs(gl);
    gl.Color3f(0, 0, 1);
    const float fractions[] = {0, 0.25f, 0.5f, 0.75f, 0.9999f};
    for (int i = 0; i < 5; ++i) {
      gl.RasterPos3f(100 + fractions[i], 100 + 40 * i + fractions[4 - i], 0);
      gl.PushAttrib(GL_LIST_BIT);
      gl.ListBase(base);
      CallText(gl, "abcdabcddcba");
      gl.PopAttrib();
    }
    // The batch's glyph texture is read under the context's alignment, not the layer's.
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 8);
  });
  ExpectSamePixels("the raster position under a camera, in its own colour", [](auto& gl) {
    const GLuint base = CompileGlyphs(gl);
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.Perspective(45, 800.0 / 600, static_cast<double>(0.1f), 100);
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
    gl.LookAt(0.3, 0.2, 5, 0, 0, 0, 0, 1, 0);
    gl.Rotatef(20, 0, 1, 0);
    gl.ListBase(base);
    for (int i = 0; i < 6; ++i) {
      gl.Color3f(0.15f * i, 0.8f, 0.3f);
      gl.RasterPos3f(-1.7f + 0.11f * i, 1.3f - 0.5f * i, 0.2f * i);
      gl.Color3f(1, 0, 0);  // after the raster position: not the bitmaps' colour
      CallText(gl, "dcbaabcd");
    }
  });
  ExpectSamePixels("bitmaps running over the picture's edges", [](auto& gl) {
    WindowCoordinates(gl);
    gl.ListBase(CompileGlyphs(gl));
    gl.Color3f(0.5f, 0, 0.5f);
    gl.RasterPos3f(760.5f, 300, 0);
    CallText(gl, "abcdabcd");
    gl.RasterPos3f(0.25f, 598.6f, 0);
    CallText(gl, "cccc");
    gl.RasterPos3f(1, 0, 0);
    CallText(gl, "cacd");
  });
  ExpectSamePixels("direct bitmaps, and a base saved under another group", [](auto& gl) {
    WindowCoordinates(gl);
    const GLuint base = CompileGlyphs(gl);
    gl.Color3f(0, 0.4f, 0);
    gl.RasterPos3f(200.6f, 250.2f, 0);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 2);
    const std::vector<GLubyte> rows = kNineWide.Packed(2);
    gl.Bitmap(kNineWide.Width(), kNineWide.Height(), 1, 1, 10.5f, -3.3f, rows.data());
    gl.Bitmap(kNineWide.Width(), kNineWide.Height(), 0, 0, 9.75f, 0, rows.data());
    gl.ListBase(0);
    gl.PushAttrib(GL_LIGHTING_BIT);  // the list base is not in it: it stays as set below
    gl.ListBase(base);
    gl.PopAttrib();
    CallText(gl, "bad");
  });
  ExpectSamePixels("raster positions outside the view draw nothing", [](auto& gl) {
    WindowCoordinates(gl);
    gl.ListBase(CompileGlyphs(gl));
    gl.Color3f(0, 0, 0);
    for (const float x : {-0.5f, 800.5f}) {
      gl.RasterPos3f(x, 300, 0);
      CallText(gl, "abcdabcd");
    }
    gl.RasterPos3f(400, 300, 1.5f);  // behind the far plane
    CallText(gl, "abcd");
  }, true);
}
