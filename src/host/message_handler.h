// What the demo does with a window message: the one handler the passes call.
#pragma once

#include "platform/clock_and_input.h"

// Handles one message that is not the quit message: Esc and the close command post a quit
// (code 0); other keys are ignored; everything else gets the system's default handling.
long WndProc(ClockAndInput& input, const Message& message);
