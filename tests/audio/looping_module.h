// A small module written with the XM writer: two orders of short patterns, a square wave,
// a restart position, so that it loops back within half a second.
#pragma once

#include "xm_writer.h"

// Orders {0, 1}, restart at order 1; pattern 0 plays C-4 then a key-off, pattern 1 plays
// A-4 with a volume and a panning effect on channel 1.
XmModule LoopingModule();
