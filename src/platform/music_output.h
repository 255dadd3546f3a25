// The music part of the platform: a tracker module played through the sound device. Each
// platform's player implements it (libopenmpt decodes everywhere; SDL audio, waveOut or Web
// Audio outputs).
#pragma once

#include <string>

// An opaque handle to a loaded music module; nullptr when no song could be loaded.
struct Song;

class MusicOutput {
 public:
  virtual ~MusicOutput() = default;

  // The folder the program was started from, where its music may lie; "" when unknown.
  virtual std::string ProgramDirectory() const = 0;
  // Opens the sound device for float stereo, at mixRate where the player picks the rate (the
  // page plays at its audio context's own). When none can be opened it tells the user why, and
  // the player stays silent with the other calls harmless. Every player ignores maxChannels
  // and flags: libopenmpt manages its own voices.
  virtual void StartMixer(int mixRate, int maxChannels, unsigned flags) = 0;
  // Reads a module of any format libopenmpt knows. Returns nullptr, after one line to the
  // user saying why, when the file cannot be read or holds no module. Every player loads songs
  // alike (LoadSongFile); only the tests' double records the call instead.
  virtual Song* LoadSong(const char* path);
  // Plays the song from its current position, repeating forever. nullptr: nothing happens.
  virtual void PlaySong(Song* song) = 0;
  // Stops the output if the song is playing, then releases it. nullptr: nothing happens.
  virtual void FreeSong(Song* song) = 0;
};
