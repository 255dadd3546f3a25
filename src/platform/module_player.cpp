// Module playback: files are read whole, decoded by libopenmpt and rendered from SDL's audio
// callback as float stereo.
#include "module_player.h"

#include <fcntl.h>
#include <libopenmpt/libopenmpt.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

struct Song {
  openmpt_module* module;
};

namespace {

constexpr int kChannels = 2;

void ReportNoSound(const std::string& why) {
  std::fprintf(stderr, "demo: no music: %s\n", why.c_str());
}

// Reads the whole file, or says why not. Only regular files are read: a directory, a pipe
// or a device under the module's name could fail late or block forever.
bool ReadWholeFile(const char* path, std::vector<std::uint8_t>& bytes, std::string& why) {
  const int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) {
    why = std::string("cannot open ") + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat status {};
  bool ok = fstat(file, &status) == 0;
  if (!ok) {
    why = std::string("cannot examine ") + path + ": " + std::strerror(errno);
  } else if (!S_ISREG(status.st_mode)) {
    why = std::string(path) + " is not a regular file";
    ok = false;
  }
  std::uint8_t chunk[65536];
  while (ok) {
    const ssize_t got = read(file, chunk, sizeof chunk);
    if (got > 0) {
      bytes.insert(bytes.end(), chunk, chunk + got);
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      why = std::string("cannot read ") + path + ": " + std::strerror(errno);
      ok = false;
    }
  }
  close(file);
  return ok;
}

}  // namespace

ModulePlayer::~ModulePlayer() {
  // The platform may already have shut SDL down, which closed the device with it.
  if (device_ != 0 && SDL_WasInit(SDL_INIT_AUDIO) != 0) {
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

void ModulePlayer::StartMixer(int mixRate, int, unsigned) {
  if (device_ != 0) return;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    ReportNoSound(std::string("no audio output: ") + SDL_GetError());
    return;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = mixRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = kChannels;
  wanted.samples = kFramesPerCallback;
  wanted.callback = FillAudio;
  wanted.userdata = this;
  // No changes allowed: SDL converts to whatever the device takes, so the callback always
  // fills float stereo at mixRate.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device_ == 0) {
    ReportNoSound(std::string("cannot open an audio device: ") + SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  mixRate_ = mixRate;
}

Song* ModulePlayer::LoadSong(const char* path) {
  std::vector<std::uint8_t> bytes;
  std::string why;
  if (!ReadWholeFile(path, bytes, why)) {
    ReportNoSound(why);
    return nullptr;
  }
  int error = OPENMPT_ERROR_OK;
  const char* message = nullptr;
  openmpt_module* module =
      openmpt_module_create_from_memory2(bytes.data(), bytes.size(), openmpt_log_func_silent,
                                         nullptr, nullptr, nullptr, &error, &message, nullptr);
  if (module == nullptr) {
    ReportNoSound(std::string(path) + " is not a module libopenmpt can play (" +
                  (message != nullptr ? message : "unknown error") + ")");
    openmpt_free_string(message);
    return nullptr;
  }
  openmpt_free_string(message);
  openmpt_module_set_repeat_count(module, -1);
  return new Song{module};
}

void ModulePlayer::PlaySong(Song* song) {
  if (song == nullptr || device_ == 0) return;
  SDL_LockAudioDevice(device_);
  playing_ = song;
  SDL_UnlockAudioDevice(device_);
  SDL_PauseAudioDevice(device_, 0);
}

void ModulePlayer::FreeSong(Song* song) {
  if (song == nullptr) return;
  if (device_ != 0) {
    SDL_LockAudioDevice(device_);
    const bool playing = playing_ == song;
    if (playing) playing_ = nullptr;
    SDL_UnlockAudioDevice(device_);
    // Every callback reads playing_ under the lock, so none can reach the song any more.
    if (playing) SDL_PauseAudioDevice(device_, 1);
  }
  openmpt_module_destroy(song->module);
  delete song;
}

// Runs on SDL's audio thread with the device lock held.
void SDLCALL ModulePlayer::FillAudio(void* player, Uint8* stream, int length) {
  const ModulePlayer& self = *static_cast<const ModulePlayer*>(player);
  float* out = reinterpret_cast<float*>(stream);
  const std::size_t frames = static_cast<std::size_t>(length) / (kChannels * sizeof(float));
  std::size_t done = 0;
  if (self.playing_ != nullptr) {
    while (done < frames) {
      const std::size_t got = openmpt_module_read_interleaved_float_stereo(
          self.playing_->module, self.mixRate_, frames - done, out + kChannels * done);
      if (got == 0) break;  // a song with nothing to play
      done += got;
    }
  }
  std::fill(out + kChannels * done, out + kChannels * frames, 0.0f);
}
