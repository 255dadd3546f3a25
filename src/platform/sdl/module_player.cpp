// Module playback: files are read whole, decoded by libopenmpt and rendered from SDL's audio
// callback as float stereo.
#include "module_player.h"

#include <string>

#include "platform/module_decoder.h"
#include "platform/song.h"
#include "program_directory.h"
#include "quiet_stderr.h"

namespace {

constexpr int kChannels = 2;

}  // namespace

ModulePlayer::~ModulePlayer() {
  // The platform may already have shut SDL down, which closed the device with it.
  if (device_ != 0 && SDL_WasInit(SDL_INIT_AUDIO) != 0) {
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

std::string ModulePlayer::ProgramDirectory() const { return RunningProgramDirectory(); }

void ModulePlayer::StartMixer(int mixRate, int, unsigned) {
  if (device_ != 0) return;
  SDL_AudioSpec wanted{};
  wanted.freq = mixRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = kChannels;
  wanted.samples = kFramesPerCallback;
  wanted.callback = FillAudio;
  wanted.userdata = this;
  int started = 0;
  {
    // Sound libraries (ALSA above all) print lines of their own while SDL probes for a
    // device; the one line below says what matters.
    QuietStderr quiet;
    started = SDL_InitSubSystem(SDL_INIT_AUDIO);
    // No changes allowed: SDL converts to whatever the device takes, so the callback always
    // fills float stereo at mixRate.
    if (started == 0) device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  }
  if (started != 0) {
    ReportNoSound(std::string("SDL found no sound output (") + SDL_GetError() +
                  "); the demo runs silent. Set SDL_AUDIODRIVER to a driver this system has");
    return;
  }
  if (device_ == 0) {
    ReportNoSound(std::string("cannot open a sound device through SDL's ") +
                  SDL_GetCurrentAudioDriver() + " driver (" + SDL_GetError() +
                  "); the demo runs silent. Check that a sound card is present and free");
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  mixRate_ = mixRate;
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
  DeleteSong(song);
}

// Runs on SDL's audio thread with the device lock held.
void SDLCALL ModulePlayer::FillAudio(void* player, Uint8* stream, int length) {
  const ModulePlayer& self = *static_cast<const ModulePlayer*>(player);
  float* out = reinterpret_cast<float*>(stream);
  const std::size_t frames = static_cast<std::size_t>(length) / (kChannels * sizeof(float));
  RenderStereo(self.playing_ != nullptr ? self.playing_->module : nullptr, self.mixRate_, out,
               frames);
}
