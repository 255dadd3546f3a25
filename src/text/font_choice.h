// The demo's font: which face, at what size, for which character codes.
#pragma once

// Bold "Helvetica" at a 36-pixel em. The glyph table is rasterised from it at build time
// (tools/glyph_table), so every build draws the same glyphs whatever fonts a machine has.
inline constexpr const char* kDemoFontFamily = "Helvetica";
inline constexpr int kDemoFontPixelEm = 36;

inline constexpr int kFirstGlyphCode = 32;
inline constexpr int kGlyphCount = 96;  // codes 32..127
