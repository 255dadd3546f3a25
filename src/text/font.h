// The bitmap font in display lists, and printf-style text at the raster position.
#pragma once

#include <vector>

#include "glyphs.h"

// Compiles the given glyphs for codes 32..127 (index code - 32) into fresh display lists and
// makes them the font glPrint uses. Needs a current GL context. Anything but exactly 96
// glyphs (as when no usable font was found) leaves no font, and text draws nothing.
void BuildFont(const std::vector<GlyphBitmap>& glyphs);
// Deletes the font's display lists; needs the context that built them current. Text draws
// nothing until the next BuildFont.
void FreeFont();

// How glPrint draws. Merged (the native demo's) composes the whole text into one bitmap drawn
// by one glBitmap, with the pixels and final raster position the per-glyph display lists give;
// PerGlyph calls the lists: the page draws with it, and the tests hold Merged against it.
// Feedback and selection modes always get the lists, so they see one bitmap token per glyph.
enum class TextDrawing { Merged, PerGlyph };
void SetTextDrawing(TextDrawing drawing);

// Formats like printf into a 256-character buffer, cutting what does not fit, and draws the
// text at the current raster position in the current raster colour, advancing it.
void glPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
