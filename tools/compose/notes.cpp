// Reading note names and melodies written as text.
#include "notes.h"

#include <sstream>
#include <stdexcept>

int NoteNumber(const std::string& name) {
  static const std::string kLetters = "C D EF G A B";  // semitone of each letter
  const std::size_t semitone = name.empty() ? std::string::npos : kLetters.find(name[0]);
  const bool sharp = name.size() == 3 && name[1] == '#';
  const char octave = name.empty() ? 0 : name.back();
  if (semitone == std::string::npos || name[0] == ' ' || octave < '0' || octave > '7' ||
      name.size() != (sharp ? 3u : 2u)) {
    throw std::invalid_argument("not a note: \"" + name + "\"");
  }
  return (octave - '0') * 12 + static_cast<int>(semitone) + (sharp ? 1 : 0) + 1;
}

Chord::Chord(const char* bassRoot, const char* low, const char* middle, const char* high)
    : root(NoteNumber(bassRoot)), voices{NoteNumber(low), NoteNumber(middle), NoteNumber(high)} {}

std::vector<Step> ParseMelody(const std::string& text) {
  std::vector<Step> steps;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    const std::size_t colon = word.find(':');
    if (colon == std::string::npos || colon + 1 == word.size()) {
      throw std::invalid_argument("not a melody step: \"" + word + "\"");
    }
    const std::string name = word.substr(0, colon);
    const std::string rows = word.substr(colon + 1);
    if (rows.find_first_not_of("0123456789") != std::string::npos || rows.size() > 2 ||
        std::stoi(rows) == 0) {
      throw std::invalid_argument("not a length in rows: \"" + word + "\"");
    }
    steps.push_back(Step{name == "-" ? 0 : NoteNumber(name), std::stoi(rows)});
  }
  return steps;
}
