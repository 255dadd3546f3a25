// Plays a music module through waveOut: libopenmpt decodes, a feeder thread keeps a few
// buffers queued on the device.
#pragma once

#include <array>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/music_output.h"
#include "windows_api.h"

// The music part of the Windows platform. Rendering reads the playing song under a lock, and every
// change to which song plays is made under it, so no buffer is filled from a freed song.
class WaveOutPlayer final : public MusicOutput {
 public:
  // Frames rendered into one device buffer, the chunk size of the Linux player's callback.
  static constexpr int kFramesPerBuffer = 1024;

  WaveOutPlayer() = default;
  WaveOutPlayer(const WaveOutPlayer&) = delete;
  WaveOutPlayer& operator=(const WaveOutPlayer&) = delete;
  // Stops and closes the device. Songs not yet freed stay the caller's to free.
  ~WaveOutPlayer() override;

  // The folder of the running program's file.
  std::string ProgramDirectory() const override;

  // Opens the default device for 32-bit float stereo.
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  Song* LoadSong(const char* path) override;
  void PlaySong(Song* song) override;
  void FreeSong(Song* song) override;

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
