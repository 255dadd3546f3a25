// Notes, chords and melodies written as text, e.g. "G#4" or "A4:3 C5:3 -:2".
#pragma once

#include <array>
#include <string>
#include <vector>

// The module's note number of a name such as "C4" or "G#5" (C-0 is 1, C-4 is 49). Throws
// std::invalid_argument for anything else.
int NoteNumber(const std::string& name);

// A chord as the band plays it: the bass's low root and the pad's three voices.
struct Chord {
  Chord(const char* bassRoot, const char* low, const char* middle, const char* high);
  int root;
  std::array<int, 3> voices;
};

// One note of a melody; note 0 is a rest.
struct Step {
  int note;
  int rows;
};

// Parses "NOTE:ROWS" words separated by spaces, "-" being a rest. Throws
// std::invalid_argument on a malformed word.
std::vector<Step> ParseMelody(const std::string& text);
