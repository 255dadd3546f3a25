// The web's GL layer puts bitmaps on the pixels Mesa puts them on for the same calls: glyph
// display lists compiled under each unpack alignment and called through a list base, direct
// glBitmap calls, raster positions at pixel fractions, under a camera, near and outside the
// view, and the attribute stacks that save the list base and the pixel store; the demo font's
// tables up to 144 pixels in a sharp picture's viewport, and fonts deleted and built again.
#include <string>
#include <vector>

#include "glyphs.h"
#include "layer_beside_mesa.h"
#include "text/demo_font.h"

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
void WindowCoordinates(Gl& gl, int width = 800, int height = 600) {
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadIdentity();
  gl.Ortho(0, width, 0, height, -1, 1);
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

// The demo font's table at `multiple` times its em, one list per glyph as the demo compiles
// it; returns the list base for character codes.
template <typename Gl>
GLuint CompileDemoFont(Gl& gl, int multiple) {
  static const GLubyte noInk = 0;
  const std::vector<GlyphBitmap>& glyphs = DemoFontGlyphs(multiple);
  const GLuint first = gl.GenLists(kGlyphCount);
  gl.PushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  gl.PixelStorei(GL_UNPACK_ALIGNMENT, kGlyphRowAlignment);
  for (int i = 0; i < kGlyphCount; ++i) {
    const GlyphBitmap& glyph = glyphs[static_cast<std::size_t>(i)];
    gl.NewList(first + static_cast<GLuint>(i), GL_COMPILE);
    gl.Bitmap(glyph.width, glyph.height, glyph.originX, glyph.originY, glyph.advance, 0,
              glyph.rows.empty() ? &noInk : glyph.rows.data());
    gl.EndList();
  }
  gl.PopClientAttrib();
  return first - kFirstGlyphCode;
}

// Text with tall and wide glyphs, descenders and a space.
const std::string kSample = "Wg{@}y Mj#Q";

// The demo's perspective, looking at the origin from a little off the z axis.
template <typename Gl>
void LookFromTestCamera(Gl& gl) {
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadIdentity();
  Perspective(gl, 45, 800.0 / 600, static_cast<double>(0.1f), 100);
  gl.MatrixMode(GL_MODELVIEW);
  gl.LoadIdentity();
  LookAt(gl, 0.3, 0.2, 5, 0, 0, 0, 0, 1, 0);
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
    LookFromTestCamera(gl);
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
  ExpectSamePixels(
      "raster positions outside the view draw nothing",
      [](auto& gl) {
        WindowCoordinates(gl);
        gl.ListBase(CompileGlyphs(gl));
        gl.Color3f(0, 0, 0);
        for (const float x : {-0.5f, 800.5f}) {
          gl.RasterPos3f(x, 300, 0);
          CallText(gl, "abcdabcd");
        }
        gl.RasterPos3f(400, 300, 1.5f);  // behind the far plane
        CallText(gl, "abcd");
      },
      true);
}

// A sharp picture draws in a viewport of its own size, here larger than the frame (what lies
// beyond the frame is cut off), with glyphs from the demo font's tables up to 144 pixels.
TEST_F(FixedFunctionBitmapsGL, LargeGlyphsInALargerViewport) {
  glViewport(0, 0, 1600, 1200);
  layer.Viewport(0, 0, 1600, 1200);
  ExpectSamePixels("the demo font at 36 to 144 pixels, all compiled at once", [](auto& gl) {
    WindowCoordinates(gl, 1600, 1200);
    float baseline = 20.25f;
    for (int multiple = 1; multiple <= kFontMultiples; ++multiple) {
      gl.ListBase(CompileDemoFont(gl, multiple));
      gl.Color3f(0.2f * multiple, 0.1f, 1 - 0.2f * multiple);
      gl.RasterPos3f(10.5f + 40 * multiple, baseline, 0);
      CallText(gl, kSample);  // the larger lines run over the frame's right edge
      baseline += 36.0f * multiple + 9.5f;
    }
  });
  ExpectSamePixels("the raster position under a camera", [](auto& gl) {
    LookFromTestCamera(gl);
    gl.ListBase(CompileDemoFont(gl, kFontMultiples));
    gl.Color3f(0, 0.5f, 0);
    for (int i = 0; i < 3; ++i) {
      gl.RasterPos3f(-2.0f + 0.13f * i, -1.9f + 0.4f * i, 0.3f * i);
      CallText(gl, kSample);
    }
  });
}

// Fonts deleted and built again, as a sharp picture rebuilds its font at each new size: the
// lists drawn before a deletion keep their pixels, names without a list are skipped, and the
// deleted glyphs give their room in the layer's glyph texture to the next font, which ends up
// no larger than one font built afresh.
TEST_F(FixedFunctionBitmapsGL, DeletedFontsFreeTheirRoom) {
  ExpectSamePixels("seven fonts, each drawn and then deleted but the last", [](auto& gl) {
    WindowCoordinates(gl);
    const int multiples[] = {1, 4, 2, 3, 4, 2, 4};
    GLuint base = 0;
    for (int round = 0; round < 7; ++round) {
      // A range wider than the font, over names that never had a list.
      if (round > 0) gl.DeleteLists(base + kFirstGlyphCode, kGlyphCount + 6);
      base = CompileDemoFont(gl, multiples[round]);
      gl.DeleteLists(base + kFirstGlyphCode, 0);  // deletes nothing
      gl.ListBase(base);
      gl.Color3f(0.1f * round, 1 - 0.1f * round, 0.5f);
      gl.RasterPos3f(5.5f + 17 * round, 30.75f + 80 * round, 0);
      CallText(gl, kSample);
    }
  });
  const TextureSize afterRebuilds = glyphTexture;
  ExpectSamePixels("every list deleted, and the last font built once", [](auto& gl) {
    WindowCoordinates(gl);
    gl.DeleteLists(1, 1 << 16);
    gl.ListBase(CompileDemoFont(gl, 4));
    gl.Color3f(1, 0, 0);
    gl.RasterPos3f(20.5f, 400.25f, 0);
    CallText(gl, kSample);
  });
  EXPECT_EQ(afterRebuilds.width, glyphTexture.width);
  EXPECT_EQ(afterRebuilds.height, glyphTexture.height);
  // WebGL offers textures of 4096 texels nearly everywhere.
  EXPECT_LE(glyphTexture.width, 4096);
  EXPECT_LE(glyphTexture.height, 4096);
  EXPECT_GT(glyphTexture.height, 0) << "the layer drew no bitmaps";
}
