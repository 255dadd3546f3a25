// Font matching through fontconfig and 1-bit rasterising through FreeType.
#include "font_glyphs.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>

#include "mono_glyph.h"

namespace {

template <typename T, void (*Release)(T*)>
struct Releaser {
  void operator()(T* object) const { Release(object); }
};

using ConfigHandle = std::unique_ptr<FcConfig, Releaser<FcConfig, FcConfigDestroy>>;
using PatternHandle = std::unique_ptr<FcPattern, Releaser<FcPattern, FcPatternDestroy>>;

void ReleaseLibrary(FT_LibraryRec_* library) { FT_Done_FreeType(library); }
void ReleaseFace(FT_FaceRec_* face) { FT_Done_Face(face); }
using LibraryHandle = std::unique_ptr<FT_LibraryRec_, Releaser<FT_LibraryRec_, ReleaseLibrary>>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, Releaser<FT_FaceRec_, ReleaseFace>>;

// One glyph as a 1-bit image; a glyph FreeType cannot render in 1 bit only advances.
GlyphBitmap RenderGlyph(FT_Face face, unsigned long code) {
  if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_MONOCHROME | FT_LOAD_TARGET_MONO) != 0) {
    return GlyphBitmap{};
  }
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  MonoGlyphImage image;
  image.advance = static_cast<float>(slot->advance.x) / 64;  // 26.6 fixed point
  if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO && bitmap.buffer != nullptr) {
    // With a negative pitch the buffer starts at the bottom row.
    const int rowsAbove = bitmap.pitch < 0 ? static_cast<int>(bitmap.rows) - 1 : 0;
    image.topRow = bitmap.buffer - rowsAbove * bitmap.pitch;
    image.pitch = bitmap.pitch;
    image.width = static_cast<int>(bitmap.width);
    image.height = static_cast<int>(bitmap.rows);
    image.left = slot->bitmap_left;
    image.top = slot->bitmap_top;
  }
  return RepackMonoGlyph(image);
}

}  // namespace

FontFace MatchFace(const char* family, FontWeight weight) {
  FontFace match;
  const ConfigHandle config(FcInitLoadConfigAndFonts());
  if (!config) return match;
  const PatternHandle pattern(FcPatternCreate());
  if (!pattern) return match;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                      weight == FontWeight::Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  const PatternHandle found(FcFontMatch(config.get(), pattern.get(), &result));
  FcChar8* file = nullptr;
  if (!found || FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch) return match;
  match.file = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(found.get(), FC_INDEX, 0, &match.index);
  return match;
}

std::vector<GlyphBitmap> RasteriseGlyphs(const FontFace& face, int pixelEm) {
  std::vector<GlyphBitmap> glyphs;
  FT_Library rawLibrary = nullptr;
  if (FT_Init_FreeType(&rawLibrary) != 0) return glyphs;
  const LibraryHandle library(rawLibrary);
  FT_Face rawFace = nullptr;
  if (FT_New_Face(library.get(), face.file.c_str(), face.index, &rawFace) != 0) return glyphs;
  const FaceHandle ftFace(rawFace);
  if (FT_Set_Pixel_Sizes(ftFace.get(), 0, static_cast<FT_UInt>(pixelEm)) != 0) return glyphs;

  glyphs.reserve(kGlyphCount);
  for (int code = kFirstGlyphCode; code < kFirstGlyphCode + kGlyphCount; ++code) {
    glyphs.push_back(RenderGlyph(ftFace.get(), static_cast<unsigned long>(code)));
  }
  return glyphs;
}
