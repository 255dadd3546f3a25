// Soundtrack start and release through the platform's music component.
#include "soundtrack.h"

#include <cstdio>

#include "music_file.h"

Song* StartMusic(Platform& platform) {
  platform.StartMixer(44100, 32, 0);
  const MusicSearch search = FindMusicFile("music.xm", platform.ProgramDirectory());
  Song* song = nullptr;
  if (search.found.empty()) {
    std::fprintf(stderr, "demo: no music: %s\n", DescribeMissingMusic("music.xm", search).c_str());
  } else {
    song = platform.LoadSong(search.found.c_str());
  }
  platform.PlaySong(song);
  return song;
}

void FreeMusic(Platform& platform, Song* song) { platform.FreeSong(song); }
