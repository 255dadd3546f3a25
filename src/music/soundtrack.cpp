// Soundtrack start and release through the platform's music component.
#include "soundtrack.h"

Song* StartMusic(MusicOutput& music) {
  music.StartMixer(44100, 32, 0);
  Song* song = music.LoadSong("music.xm");
  music.PlaySong(song);
  return song;
}

void FreeMusic(MusicOutput& music, Song* song) { music.FreeSong(song); }
