// Soundtrack start and release through the platform's music component.
#include "soundtrack.h"

#include <cstdio>

#include "music_file.h"

Song* StartMusic(MusicOutput& music) {
  music.StartMixer(44100, 32, 0);
  const MusicSearch search = FindMusicFile("music.xm", music.ProgramDirectory());
  Song* song = nullptr;
  if (search.found.empty()) {
    std::fprintf(stderr, "demo: no music: %s\n", DescribeMissingMusic("music.xm", search).c_str());
  } else {
    song = music.LoadSong(search.found.c_str());
  }
  music.PlaySong(song);
  return song;
}

void FreeMusic(MusicOutput& music, Song* song) { music.FreeSong(song); }
