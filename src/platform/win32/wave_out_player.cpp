// Module playback on Windows: files are read whole, decoded by libopenmpt and rendered into
// waveOut buffers as float stereo by a feeder thread that refills each buffer once it played.
#include "wave_out_player.h"

#include <mmreg.h>

#include <string>

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

}  // namespace

WaveOutPlayer::~WaveOutPlayer() {
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

std::string WaveOutPlayer::ProgramDirectory() const {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  // A length of the whole buffer means the path was cut short.
  if (length == 0 || length >= sizeof path) return "";
  const std::string file(path, length);
  const std::size_t separator = file.find_last_of("\\/");
  return separator == std::string::npos ? "" : file.substr(0, separator + 1);
}

void WaveOutPlayer::StartMixer(int mixRate, int, unsigned) {
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
  const MMRESULT opened = waveOutOpen(&device_, WAVE_MAPPER, &format,
                                      reinterpret_cast<DWORD_PTR>(bufferDone_), 0, CALLBACK_EVENT);
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

Song* WaveOutPlayer::LoadSong(const char* path) { return LoadSongFile(path); }

void WaveOutPlayer::PlaySong(Song* song) {
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

void WaveOutPlayer::FreeSong(Song* song) {
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

// Renders the next chunk into a buffer and queues it; silence when no song plays.
void WaveOutPlayer::Fill(int buffer) {
  {
    const std::lock_guard<std::mutex> lock(songLock_);
    RenderStereo(playing_ != nullptr ? playing_->module : nullptr, mixRate_,
                 samples_[buffer].data(), kFramesPerBuffer);
  }
  waveOutWrite(device_, &headers_[buffer], sizeof headers_[buffer]);
}

// Buffers finish in the order they were queued, so the feeder waits for the oldest.
void WaveOutPlayer::Feed() {
  while (!stopping_) {
    WaitForSingleObject(bufferDone_, INFINITE);
    while (!stopping_ && (headers_[next_].dwFlags & WHDR_DONE) != 0) {
      Fill(next_);
      next_ = (next_ + 1) % kBuffers;
    }
  }
}
