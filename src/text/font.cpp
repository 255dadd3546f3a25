// The bitmap font: glyph display lists compiled with glBitmap, and glPrint over them.
#include "font.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "glyph_row.h"
#include "glyphs.h"

namespace {

// The first of the font's 96 list names; 0 while no font is built.
GLuint base = 0;
// The glyphs the lists hold, for composing whole lines.
std::vector<GlyphBitmap> fontGlyphs;
TextDrawing drawing = TextDrawing::Merged;

// Rows of a GlyphBitmap and of a RowBitmap are packed alike.
void SetGlyphUnpacking() {
  glPixelStorei(GL_UNPACK_ALIGNMENT, kGlyphRowAlignment);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
}

void CallGlyphLists(const char* text, int length) {
  glPushAttrib(GL_LIST_BIT);
  glListBase(base - kFirstGlyphCode);
  glCallLists(length, GL_UNSIGNED_BYTE, text);
  glPopAttrib();
}

// One glBitmap for the whole text. Its origin is put half a pixel inside the composed
// bitmap's corner pixel, so the GL's truncation lands on that pixel whatever the raster
// position's fraction. The raster position then moves as far as the glyphs' advances took it.
void DrawMerged(const char* text, int length) {
  GLfloat raster[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
  const RowBitmap row = ComposeRow(fontGlyphs, text, length, raster[0], raster[1]);
  const float pen = raster[0] + 0.0001f;
  const float penY = raster[1] + 0.0001f;
  const float originX = pen - (static_cast<float>(row.left) + 0.5f);
  const float originY = penY - (static_cast<float>(row.bottom) + 0.5f);
  // The move is applied as one float addition; where that would not give the glyphs' own
  // end position exactly, the advances are applied one by one instead.
  const float move = row.endX - raster[0];
  const bool oneMove = raster[0] + move == row.endX;
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  SetGlyphUnpacking();
  static const GLubyte noInk = 0;
  glBitmap(row.width, row.height, originX, originY, oneMove ? move : 0, 0,
           row.rows.empty() ? &noInk : row.rows.data());
  glPopClientAttrib();
  if (oneMove) return;
  for (int i = 0; i < length; ++i) {
    const int index = static_cast<unsigned char>(text[i]) - kFirstGlyphCode;
    if (index < 0 || index >= kGlyphCount) continue;
    glBitmap(0, 0, 0, 0, fontGlyphs[static_cast<std::size_t>(index)].advance, 0, &noInk);
  }
}

bool CanMerge() {
  if (drawing != TextDrawing::Merged) return false;
  GLint mode = 0;
  glGetIntegerv(GL_RENDER_MODE, &mode);
  GLboolean valid = GL_FALSE;
  glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
  return mode == GL_RENDER && valid == GL_TRUE;
}

void CompileGlyph(GLuint list, const GlyphBitmap& glyph) {
  // Mesa drops a bitmap with no rows from a display list, advance and all, so a glyph without
  // ink still hands over a (never read) byte.
  static const GLubyte noInk = 0;
  glNewList(list, GL_COMPILE);
  glBitmap(glyph.width, glyph.height, glyph.originX, glyph.originY, glyph.advance, 0,
           glyph.rows.empty() ? &noInk : glyph.rows.data());
  glEndList();
}

}  // namespace

void SetTextDrawing(TextDrawing choice) { drawing = choice; }

void BuildFont(const std::vector<GlyphBitmap>& glyphs) {
  base = 0;
  fontGlyphs.clear();
  if (glyphs.size() != kGlyphCount) return;
  const GLuint first = glGenLists(kGlyphCount);
  if (first == 0) return;

  // glBitmap unpacks its rows when the list is compiled, so the pixel store must describe our
  // rows now; the caller's settings come back afterwards.
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  SetGlyphUnpacking();
  for (int i = 0; i < kGlyphCount; ++i) CompileGlyph(first + i, glyphs[i]);
  glPopClientAttrib();
  base = first;
  fontGlyphs = glyphs;
}

void FreeFont() {
  if (base != 0) glDeleteLists(base, kGlyphCount);
  base = 0;
  fontGlyphs.clear();
}

void glPrint(const char* format, ...) {
  if (format == nullptr || base == 0) return;
  char text[256];
  std::va_list args;
  va_start(args, format);
  const int formatted = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (formatted <= 0) return;
  // vsnprintf reports the full length even when it had to cut the text.
  const int length = std::min(formatted, static_cast<int>(sizeof text) - 1);

  if (CanMerge()) {
    DrawMerged(text, length);
  } else {
    CallGlyphLists(text, length);
  }
}
