// Where the soundtrack file is looked for: the working directory first, then the folder the
// program was started from. Portable: each platform only says where its program lives.
#pragma once

#include <string>

struct MusicSearch {
  std::string found;   // the file to load, or "" when there is none
  std::string places;  // where it looked, for messages: "the working directory (/home/me)"
};

// Looks for name ("music.xm") in the working directory, then in programDirectory ("" when the
// platform cannot tell). A name that exists counts as found even if it is no module: loading
// it then says what is wrong with it, rather than some other file quietly playing.
MusicSearch FindMusicFile(const std::string& name, const std::string& programDirectory);

// "no music.xm in the working directory (/home/me) or beside the program (/opt/demo)".
std::string DescribeMissingMusic(const std::string& name, const MusicSearch& search);
