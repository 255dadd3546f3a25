// PNG encoding. libpng reports errors by longjmp, so nothing with a destructor lives between
// the setjmp and the end of the encoding.
#include "png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

struct PngFailure {
  std::jmp_buf jump;
  char message[256] = {};
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
  auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
  std::strncpy(failure->message, message, sizeof failure->message - 1);
  std::longjmp(failure->jump, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// The encoding proper; false when libpng jumped back with an error.
bool Encode(png_structp png, png_infop info, std::FILE* file, const RgbPicture& picture, int width,
            int height, PngFailure& failure) {
  if (setjmp(failure.jump) != 0) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int row = 0; row < height; ++row) {
    png_write_row(png, picture.data() + static_cast<std::size_t>(row) * width * 3);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool WritePng(std::FILE* file, const RgbPicture& picture, int width, int height,
              std::string& error) {
  PngFailure failure;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  const bool written = info != nullptr && Encode(png, info, file, picture, width, height, failure);
  png_destroy_write_struct(&png, &info);
  if (!written) error = failure.message[0] != '\0' ? failure.message : "out of memory";
  if (written && std::fflush(file) != 0) {
    error = std::strerror(errno);
    return false;
  }
  return written;
}
