// A loaded song as every music player holds it: the module libopenmpt decoded from its file.
#pragma once

#include <string>

struct openmpt_module;

struct Song {
  openmpt_module* module;
};

// Tells the viewer (TellUser) why the demo goes on without music.
void ReportNoSound(const std::string& why);

// Loads the module file at path as a song; nullptr, after ReportNoSound, when the file cannot
// be read or holds no module libopenmpt can play.
Song* LoadSongFile(const char* path);

// Frees a song LoadSongFile made and the module it holds.
void DeleteSong(Song* song);
