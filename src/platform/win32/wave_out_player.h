// Plays a music module through waveOut: libopenmpt decodes, a feeder thread keeps a few
// buffers queued on the device.
#pragma once

#include <array>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "windows_api.h"

// The music component on Windows. Rendering reads the playing song under a lock, and every
// change to which song plays is made under it, so no buffer is filled from a freed song.
class WaveOutPlayer {
 public:
  // Frames rendered into one device buffer, the chunk size of the Linux player's callback.
  static constexpr int kFramesPerBuffer = 1024;

  WaveOutPlayer() = default;
  WaveOutPlayer(const WaveOutPlayer&) = delete;
  WaveOutPlayer& operator=(const WaveOutPlayer&) = delete;
  // Stops and closes the device. Songs not yet freed stay the caller's to free.
  ~WaveOutPlayer();

  // Opens the default device for 32-bit float stereo at mixRate. When none can be opened,
  // tells the user why and the player stays silent. maxChannels and flags are accepted for
  // the caller's sake: libopenmpt manages its own voices.
  void StartMixer(int mixRate, int maxChannels, unsigned flags);
  // Reads a module of any format libopenmpt knows. Returns nullptr, after one line to the user
  // saying why, when the file cannot be read or holds no module.
  Song* LoadSong(const char* path);
  // Plays the song from its current position, repeating forever. nullptr: nothing happens.
  void PlaySong(Song* song);
  // Stops the output if the song is playing, then releases it. nullptr: nothing happens.
  void FreeSong(Song* song);

 private:
  static constexpr int kBuffers = 4;

  void Feed();
  void Fill(int buffer);

  HWAVEOUT device_ = nullptr;    // nullptr: no device
  HANDLE bufferDone_ = nullptr;  // signalled by the device each time a buffer has played
  int mixRate_ = 0;
  std::array<WAVEHDR, kBuffers> headers_{};
  std::array<std::vector<float>, kBuffers> samples_;
  int next_ = 0;  // the buffer that finishes playing next
  std::thread feeder_;
  std::atomic<bool> stopping_{false};
  std::mutex songLock_;
  Song* playing_ = nullptr;  // guarded by songLock_
};
