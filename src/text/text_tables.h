// The two scenes' lines of text and their row counts.
#pragma once

#include "typed_lines.h"

extern TextTable texten;
extern int texten_rader;
extern TextTable texten2;
extern int texten2_rader;
