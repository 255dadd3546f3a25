// Module playback in a web page: files are read whole from the page's file system and decoded
// by libopenmpt; the main thread renders the sound ahead in chunks and hands them to the page's
// music output (web/music_outputs.js: the audio worklet of web/music_worklet.js, or blocks of
// chunks scheduled on the audio context's clock), which plays them on the browser's audio
// thread and reports the frames it has used up.
#include "web_audio_player.h"

#include <emscripten.h>

#include <cstdio>
#include <string>

#include "platform/module_decoder.h"
#include "platform/song.h"

namespace {

// clang-format off
// Opens the page's music output on its audio context (Module.openMusicOutput, web/
// music_outputs.js: the audio worklet, or blocks scheduled from the main thread). Its reports go
// to the page's main thread: a played chunk updates Module.musicPlayed (the frames used up of
// the current generation, i.e. of the song playing) and tops the queue up; a timer tops it up
// too, for when no reports come. With Module.onAudioTap set (the page's audiotap parameter) the
// worklet sends copies of its output there. Returns the context's sample rate, or 0 when the
// page has no audio context.
EM_JS(int, ConnectMusicOutput, (WebAudioPlayer * player), {
  const context = Module.audioContext;
  if (!context) return 0;
  Module.musicGeneration = 0;
  Module.musicPlayed = 0;
  Module.musicOutput = Module.openMusicOutput(context, {
    played: function(generation, frames) {
      if (generation === Module.musicGeneration) Module.musicPlayed = frames;
      _TopUpWebAudio(player);
    },
    starved: function(generation) {
      if (generation === Module.musicGeneration) {
        err('demo: the music ran dry: the page was busy for too long');
      }
    },
  }, Module.onAudioTap);
  setInterval(function() { _TopUpWebAudio(player); }, 50);
  return context.sampleRate;
});

// Sends a copy of `frames` frames of interleaved stereo to the output, to play after what it
// holds.
EM_JS(void, SendAudioChunk, (const float* samples, int frames), {
  const first = samples >> 2;
  Module.musicOutput.send(HEAPF32.slice(first, first + 2 * frames));
});

// Has the output start playing the current generation once the main thread has finished the
// task it is in. The demo starts its song early in its start-up, which then keeps the main
// thread for a while (a few hundred milliseconds on a busy machine); the sound queued for the
// song waits meanwhile, whole, instead of running out before the first top-up.
EM_JS(void, StartMusicOutputWhenIdle, (), {
  const generation = Module.musicGeneration;
  setTimeout(function() { Module.musicOutput.start(generation); }, 0);
});

// Has the output fall silent and drop everything it holds; its reports about what was dropped
// are ignored from now on (they carry the old generation).
EM_JS(void, StopMusicOutput, (), {
  Module.musicGeneration += 1;
  Module.musicPlayed = 0;
  Module.musicOutput.stop(Module.musicGeneration);
});

EM_JS(double, PlayedAudioFrames, (), { return Module.musicPlayed; });
// clang-format on

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void TopUpWebAudio(WebAudioPlayer* player) { player->TopUp(); }

void WebAudioPlayer::StartMixer(int mixRate, int, unsigned) {
  if (connected_) return;
  const int rate = ConnectMusicOutput(this);
  if (rate == 0) {
    ReportNoSound("the page has no Web Audio context");
    return;
  }
  if (rate != mixRate) {
    std::fprintf(stderr, "demo: Web Audio runs at %d Hz, not %d; the music is mixed at %d Hz\n",
                 rate, mixRate, rate);
  }
  mixRate_ = rate;
  framesAhead_ = static_cast<double>(rate) * kMillisecondsAhead / 1000;
  connected_ = true;
}

void WebAudioPlayer::PlaySong(Song* song) {
  if (song == nullptr || !connected_) return;
  if (playing_ != nullptr) Stop();
  playing_ = song;
  TopUp();
  StartMusicOutputWhenIdle();
}

void WebAudioPlayer::FreeSong(Song* song) {
  if (song == nullptr) return;
  if (playing_ == song) Stop();
  DeleteSong(song);
}

void WebAudioPlayer::Stop() {
  StopMusicOutput();
  playing_ = nullptr;
  sent_ = 0;
}

void WebAudioPlayer::TopUp() {
  if (playing_ == nullptr) return;
  const double played = PlayedAudioFrames();
  while (sent_ - played < framesAhead_) {
    RenderStereo(playing_->module, mixRate_, samples_, static_cast<std::size_t>(kFramesPerChunk));
    SendAudioChunk(samples_, kFramesPerChunk);
    sent_ += kFramesPerChunk;
  }
}
