// The bitmap font in display lists, and printf-style text at the raster position.
#pragma once

void BuildFont();

void glPrint(const char* format, ...);
