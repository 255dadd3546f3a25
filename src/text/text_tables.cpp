// The text tables: not yet written, so both scenes have no lines.
#include "text_tables.h"

TextTable texten = {};
int texten_rader = 0;
TextTable texten2 = {};
int texten2_rader = 0;
