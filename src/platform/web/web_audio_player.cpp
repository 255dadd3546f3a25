// Module playback in a web page: files are read whole from the page's file system, decoded by
// libopenmpt and rendered into each chunk a Web Audio script processor node asks for.
#include "web_audio_player.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/module_decoder.h"
#include "platform/song.h"

namespace {

// clang-format off
// Connects a script processor node whose callback has the player fill `samples` and copies
// them out per channel. Returns the context's sample rate, or 0 when the page has no context.
EM_JS(int, ConnectAudioNode, (WebAudioPlayer * player, float* samples, int frames), {
  const context = Module.audioContext;
  if (!context) return 0;
  const node = context.createScriptProcessor(frames, 0, 2);
  node.onaudioprocess = function(event) {
    _FillWebAudio(player, samples, frames);
    const left = event.outputBuffer.getChannelData(0);
    const right = event.outputBuffer.getChannelData(1);
    const first = samples >> 2;
    for (let i = 0; i < frames; ++i) {
      left[i] = HEAPF32[first + 2 * i];
      right[i] = HEAPF32[first + 2 * i + 1];
    }
  };
  node.connect(context.destination);
  Module.audioNode = node;
  return context.sampleRate;
});
// clang-format on

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void FillWebAudio(WebAudioPlayer* player, float* out, int frames) {
  player->Fill(out, frames);
}

void WebAudioPlayer::StartMixer(int mixRate, int, unsigned) {
  if (connected_) return;
  const int rate = ConnectAudioNode(this, samples_, kFramesPerCallback);
  if (rate == 0) {
    ReportNoSound("the page has no Web Audio context");
    return;
  }
  if (rate != mixRate) {
    std::fprintf(stderr, "demo: Web Audio runs at %d Hz, not %d; the music is mixed at %d Hz\n",
                 rate, mixRate, rate);
  }
  mixRate_ = rate;
  connected_ = true;
}

Song* WebAudioPlayer::LoadSong(const char* path) { return LoadSongFile(path); }

void WebAudioPlayer::PlaySong(Song* song) {
  if (song != nullptr && connected_) playing_ = song;
}

void WebAudioPlayer::FreeSong(Song* song) {
  if (song == nullptr) return;
  if (playing_ == song) playing_ = nullptr;
  DeleteSong(song);
}

void WebAudioPlayer::Fill(float* out, int frames) {
  if (playing_ == nullptr) {
    std::fill(out, out + 2 * frames, 0.0f);
    return;
  }
  RenderStereo(playing_->module, mixRate_, out, static_cast<std::size_t>(frames));
}
