// The demo's font: bold Helvetica at a 36-pixel em (fontconfig substitutes a metric twin
// where Helvetica itself is not installed).
#pragma once

#include "glyphs.h"

inline constexpr FontChoice kDemoFont{"Helvetica", FontWeight::Bold, 36};
