// Plays a music module through the sound device: libopenmpt decodes, SDL audio outputs.
#pragma once

#include <SDL.h>

#include "platform/music_output.h"

// The music component. The device's callback renders the playing song; every change to
// which song plays is made under the device lock, so the callback never sees a freed song.
class ModulePlayer {
 public:
  // Frames the device asks the callback for at a time.
  static constexpr int kFramesPerCallback = 1024;

  ModulePlayer() = default;
  ModulePlayer(const ModulePlayer&) = delete;
  ModulePlayer& operator=(const ModulePlayer&) = delete;
  // Closes the device. Songs not yet freed stay the caller's to free.
  ~ModulePlayer();

  // Opens the sound device for 32-bit float stereo at mixRate, paused. When no device can be
  // opened, says why on stderr and the player stays silent. maxChannels and flags are
  // accepted for the caller's sake: libopenmpt manages its own voices.
  void StartMixer(int mixRate, int maxChannels, unsigned flags);
  // Reads a module of any format libopenmpt knows. Returns nullptr, after one line to the user
  // saying why, when the file cannot be read or holds no module.
  Song* LoadSong(const char* path);
  // Plays the song from its current position, repeating forever. nullptr: nothing happens.
  void PlaySong(Song* song);
  // Stops the output if the song is playing, then releases it. nullptr: nothing happens.
  void FreeSong(Song* song);

 private:
  static void SDLCALL FillAudio(void* player, Uint8* stream, int length);

  SDL_AudioDeviceID device_ = 0;  // 0: no device
  int mixRate_ = 0;
  Song* playing_ = nullptr;  // read by the callback; changed only under the device lock
};
