// The pitched instruments: bass, pluck, pad and lead. Each sounds middle C on note C-4.
#pragma once

#include "xm_writer.h"

XmInstrument Bass();
XmInstrument Pluck();
XmInstrument Pad();
XmInstrument Lead();
