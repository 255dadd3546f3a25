// Plays a music module through the sound device: libopenmpt decodes, SDL audio outputs.
#pragma once

#include <SDL.h>

#include "platform/music_output.h"

// The music part of the Linux platform. The device's callback renders the playing song; every
// change to which song plays is made under the device lock, so the callback never sees a freed
// song.
class ModulePlayer final : public MusicOutput {
 public:
  // Frames the device asks the callback for at a time.
  static constexpr int kFramesPerCallback = 1024;

  ModulePlayer() = default;
  ModulePlayer(const ModulePlayer&) = delete;
  ModulePlayer& operator=(const ModulePlayer&) = delete;
  // Closes the device. Songs not yet freed stay the caller's to free.
  ~ModulePlayer() override;

  // Beside the running program.
  std::string ProgramDirectory() const override;

  // Opens the device paused, for 32-bit float stereo.
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  void PlaySong(Song* song) override;
  void FreeSong(Song* song) override;

 private:
  static void SDLCALL FillAudio(void* player, Uint8* stream, int length);

  SDL_AudioDeviceID device_ = 0;  // 0: no device
  int mixRate_ = 0;
  Song* playing_ = nullptr;  // read by the callback; changed only under the device lock
};
