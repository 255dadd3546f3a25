// The music component: a tracker module played through the sound device.
#pragma once

#include <string>

// An opaque handle to a loaded music module; nullptr when no song could be loaded.
struct Song;

class MusicOutput {
 public:
  virtual ~MusicOutput() = default;

  // The folder the program was started from, where its music may lie; "" when unknown.
  virtual std::string ProgramDirectory() const = 0;
  // A failed start or load must leave the other calls harmless.
  virtual void StartMixer(int mixRate, int maxChannels, unsigned flags) = 0;
  virtual Song* LoadSong(const char* path) = 0;
  virtual void PlaySong(Song* song) = 0;
  virtual void FreeSong(Song* song) = 0;
};
