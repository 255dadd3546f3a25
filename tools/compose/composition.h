// The demo's soundtrack: an original piece in A minor at 128 BPM, composed in code.
#pragma once

#include "xm_writer.h"

// Loops back to this order after the last one.
inline constexpr int kRestartOrder = 2;

// The whole module: instruments, patterns, order list and restart position. The same bytes
// on every call.
XmModule ComposeSoundtrack();
