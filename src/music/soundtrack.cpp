// Soundtrack start and release through the platform's music component.
#include "soundtrack.h"

#include "music_file.h"
#include "platform/song.h"

Song* StartMusic(MusicOutput& music) {
  music.StartMixer(44100, 32, 0);
  const MusicSearch search = FindMusicFile("music.xm", music.ProgramDirectory());
  Song* song = nullptr;
  if (search.found.empty()) {
    ReportNoSound(DescribeMissingMusic("music.xm", search));
  } else {
    song = music.LoadSong(search.found.c_str());
  }
  music.PlaySong(song);
  return song;
}

void FreeMusic(MusicOutput& music, Song* song) { music.FreeSong(song); }
