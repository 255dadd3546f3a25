// What every music player does alike: loading a song from its file.
#include "music_output.h"

#include "song.h"

Song* MusicOutput::LoadSong(const char* path) { return LoadSongFile(path); }
