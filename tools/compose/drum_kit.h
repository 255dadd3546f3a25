// The drum instruments, made from noise and pitched sweeps.
#pragma once

#include "xm_writer.h"

XmInstrument Kick();
XmInstrument Snare();
XmInstrument ClosedHat();
XmInstrument OpenHat();
XmInstrument Crash();
