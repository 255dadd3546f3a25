// Plays a music module through the sound device.
#pragma once

#include "platform.h"

class ModulePlayer {
 public:
  ModulePlayer() = default;
  ModulePlayer(const ModulePlayer&) = delete;
  ModulePlayer& operator=(const ModulePlayer&) = delete;
  ~ModulePlayer();

  void StartMixer(int mixRate, int maxChannels, unsigned flags);
  Song* LoadSong(const char* path);
  void PlaySong(Song* song);
  void FreeSong(Song* song);
};
