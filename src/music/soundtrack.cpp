// Soundtrack start and release through the platform's music component.
#include "soundtrack.h"

Song* StartMusic(Platform& platform) {
  platform.StartMixer(44100, 32, 0);
  Song* song = platform.LoadSong("music.xm");
  platform.PlaySong(song);
  return song;
}

void FreeMusic(Platform& platform, Song* song) { platform.FreeSong(song); }
