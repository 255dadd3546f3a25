// The two scenes' lines of text: scene 1's greeting and scene 2's toast with the quit hint.
#include "text_tables.h"

TextTable texten = {
    "Mr Plovard & Mr Gravunkel, featuring Tobrix",
    "10 years too late!",
    "Here at TROX meeting 2010-07-03",
    "Arg - Ger : 0-4",
    "We are Germany,",
    "You are Argentina!",
    "... suckers",
};
int texten_rader = 7;

TextTable texten2 = {
    "Raise a glass to the beamers,",
    "to pixels and bass",
    "and all who code till dawn!",
    "Let's drink and party",
    "Let's demo AND die",
    "",
    "(Esc to quit",
};
int texten2_rader = 7;
