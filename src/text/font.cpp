// The bitmap font: glyph display lists compiled with glBitmap, and glPrint over them.
#include "font.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "demo_glyphs.h"
#include "font_choice.h"

namespace {

// The first of the font's 96 list names; 0 while no font is built.
GLuint base = 0;

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

void BuildFont() { BuildFontFrom(DemoFontGlyphs()); }

void BuildFontFrom(const std::vector<GlyphBitmap>& glyphs) {
  base = 0;
  if (glyphs.size() != kGlyphCount) return;
  const GLuint first = glGenLists(kGlyphCount);
  if (first == 0) return;

  // glBitmap unpacks its rows when the list is compiled, so the pixel store must describe our
  // rows now; the caller's settings come back afterwards.
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, kGlyphRowAlignment);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  for (int i = 0; i < kGlyphCount; ++i) CompileGlyph(first + i, glyphs[i]);
  glPopClientAttrib();
  base = first;
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

  glPushAttrib(GL_LIST_BIT);
  glListBase(base - kFirstGlyphCode);
  glCallLists(length, GL_UNSIGNED_BYTE, text);
  glPopAttrib();
}
