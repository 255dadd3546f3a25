// Module playback on Windows: files are read whole, decoded by libopenmpt and rendered into
// waveOut buffers as float stereo by a feeder thread that refills each buffer once it played.
#include "wave_out_player.h"

// windows.h (through windows_api.h) comes before the multimedia headers that build on it.
// clang-format off
#include "windows_api.h"
#include <mmreg.h>
// clang-format on

#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/module_decoder.h"
#include "platform/song.h"

namespace {

constexpr int kChannels = 2;

std::string WaveOutErrorText(MMRESULT result) {
  char text[MAXERRORLENGTH] = {};
  if (waveOutGetErrorTextA(result, text, sizeof text) != MMSYSERR_NOERROR) {
    return "waveOut error " + std::to_string(result);
  }
  return text;
}

class WaveOutPlayer final : public MusicOutput {
 public:
  // Frames rendered into one device buffer, the chunk size of the Linux player's callback.
  static constexpr int kFramesPerBuffer = 1024;

  WaveOutPlayer() = default;
  WaveOutPlayer(const WaveOutPlayer&) = delete;
  WaveOutPlayer& operator=(const WaveOutPlayer&) = delete;
  // Stops and closes the device. Songs not yet freed stay the caller's to free.
  ~WaveOutPlayer() override {
    if (device_ == nullptr) return;
    stopping_ = true;
    SetEvent(bufferDone_);
    if (feeder_.joinable()) feeder_.join();
    // Reset hands every queued buffer back, so each can be unprepared before closing.
    waveOutReset(device_);
    for (WAVEHDR& header : headers_) waveOutUnprepareHeader(device_, &header, sizeof header);
    waveOutClose(device_);
    CloseHandle(bufferDone_);
  }

  // The folder of the running program's file.
  std::string ProgramDirectory() const override {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    // A length of the whole buffer means the path was cut short.
    if (length == 0 || length >= sizeof path) return "";
    const std::string file(path, length);
    const std::size_t separator = file.find_last_of("\\/");
    return separator == std::string::npos ? "" : file.substr(0, separator + 1);
  }

  // Opens the default device for 32-bit float stereo.
  void StartMixer(int mixRate, int, unsigned) override {
    if (device_ != nullptr) return;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_IEEE_FLOAT;
    format.nChannels = kChannels;
    format.nSamplesPerSec = static_cast<DWORD>(mixRate);
    format.wBitsPerSample = 8 * sizeof(float);
    format.nBlockAlign = kChannels * sizeof(float);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    bufferDone_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (bufferDone_ == nullptr) {
      ReportNoSound("cannot create an event: " + SystemErrorText(GetLastError()));
      return;
    }
    const MMRESULT opened =
        waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(bufferDone_), 0,
                    CALLBACK_EVENT);
    if (opened != MMSYSERR_NOERROR) {
      device_ = nullptr;
      ReportNoSound("cannot open a sound device through waveOut (" + WaveOutErrorText(opened) +
                    "); the demo runs silent");
      CloseHandle(bufferDone_);
      bufferDone_ = nullptr;
      return;
    }
    mixRate_ = mixRate;
    for (int i = 0; i < kBuffers; ++i) {
      samples_[i].assign(kFramesPerBuffer * kChannels, 0.0f);
      headers_[i].lpData = reinterpret_cast<LPSTR>(samples_[i].data());
      headers_[i].dwBufferLength = static_cast<DWORD>(samples_[i].size() * sizeof(float));
      waveOutPrepareHeader(device_, &headers_[i], sizeof headers_[i]);
    }
  }

  void PlaySong(Song* song) override {
    if (song == nullptr || device_ == nullptr) return;
    {
      const std::lock_guard<std::mutex> lock(songLock_);
      playing_ = song;
    }
    waveOutRestart(device_);
    if (feeder_.joinable()) return;
    // The first buffers are queued here; from then on the feeder refills each as it plays.
    for (int i = 0; i < kBuffers; ++i) Fill(i);
    feeder_ = std::thread(&WaveOutPlayer::Feed, this);
  }

  void FreeSong(Song* song) override {
    if (song == nullptr) return;
    if (device_ != nullptr) {
      bool wasPlaying = false;
      {
        const std::lock_guard<std::mutex> lock(songLock_);
        wasPlaying = playing_ == song;
        if (wasPlaying) playing_ = nullptr;
      }
      if (wasPlaying) waveOutPause(device_);
    }
    DeleteSong(song);
  }

 private:
  static constexpr int kBuffers = 4;

  // Buffers finish in the order they were queued, so the feeder waits for the oldest.
  void Feed() {
    while (!stopping_) {
      WaitForSingleObject(bufferDone_, INFINITE);
      while (!stopping_ && (headers_[next_].dwFlags & WHDR_DONE) != 0) {
        Fill(next_);
        next_ = (next_ + 1) % kBuffers;
      }
    }
  }

  // Renders the next chunk into a buffer and queues it; silence when no song plays.
  void Fill(int buffer) {
    {
      const std::lock_guard<std::mutex> lock(songLock_);
      RenderStereo(playing_ != nullptr ? playing_->module : nullptr, mixRate_,
                   samples_[buffer].data(), kFramesPerBuffer);
    }
    waveOutWrite(device_, &headers_[buffer], sizeof headers_[buffer]);
  }

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

}  // namespace

std::unique_ptr<MusicOutput> CreateWaveOutPlayer() { return std::make_unique<WaveOutPlayer>(); }
