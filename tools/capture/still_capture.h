// Capturing one moment of the demo as an 800 x 600 PNG picture.
#pragma once

#include "capture_options.h"

// Draws options.scene at options.t with the cursor at options.cursor and writes it to
// options.out; returns the exit status (see report.h).
int RunStillCapture(const CaptureOptions& options);
