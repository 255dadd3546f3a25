// Writing a picture as a PNG file through libpng.
#pragma once

#include <cstdio>
#include <string>

#include "capture_surface.h"

// Writes an 8-bit RGB PNG of the width x height picture to file. False, with the reason in
// error, when libpng or the file fails.
bool WritePng(std::FILE* file, const RgbPicture& picture, int width, int height,
              std::string& error);
