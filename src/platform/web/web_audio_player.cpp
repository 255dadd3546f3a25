// Module playback in a web page: files are read whole from the page's file system and decoded
// by libopenmpt; the main thread renders the sound ahead in chunks and posts them to the audio
// worklet of web/music_worklet.js, which plays them on the browser's audio thread and reports
// each chunk it has used up.
#include "web_audio_player.h"

#include <emscripten.h>

#include <cstdio>
#include <string>

#include "platform/module_decoder.h"
#include "platform/song.h"

namespace {

// Why ConnectAudioNode found no way to play.
constexpr int kNoContext = 0;
constexpr int kNoWorklet = -1;
constexpr int kWorkletNotLoaded = -2;

// clang-format off
// Makes the worklet's node on the page's context and connects it to the speakers. The node's
// reports go to the page's main thread: a played chunk updates Module.musicPlayed (the frames
// the worklet used up of the current generation, i.e. of the song playing) and tops the queue
// up; a timer tops it up too, for when no reports come. With Module.onAudioTap set (the page's
// audiotap parameter) the worklet sends copies of its output there. Returns the context's
// sample rate, or one of the reasons above.
EM_JS(int, ConnectAudioNode, (WebAudioPlayer * player), {
  const context = Module.audioContext;
  if (!context) return 0;
  if (!context.audioWorklet) return -1;
  if (!Module.musicWorkletLoaded) return -2;
  let node;
  try {
    node = new AudioWorkletNode(context, 'demo-music', {
      numberOfInputs: 0,
      numberOfOutputs: 1,
      outputChannelCount: [2],
      processorOptions: {tap: Boolean(Module.onAudioTap)},
    });
  } catch (error) {
    err('demo: the music worklet cannot start: ' + error);
    return -2;
  }
  Module.musicNode = node;
  Module.musicGeneration = 0;
  Module.musicPlayed = 0;
  node.port.onmessage = function(event) {
    const message = event.data;
    if (message.type === 'played') {
      if (message.generation === Module.musicGeneration) Module.musicPlayed = message.frames;
      _TopUpWebAudio(player);
    } else if (message.type === 'starved') {
      if (message.generation === Module.musicGeneration) {
        err('demo: the music ran dry: the page was busy for too long');
      }
    } else if (message.type === 'tap' && Module.onAudioTap) {
      Module.onAudioTap(message.left, message.right, context.sampleRate);
    }
  };
  node.connect(context.destination);
  setInterval(function() { _TopUpWebAudio(player); }, 50);
  return context.sampleRate;
});

// Sends a copy of `frames` frames of interleaved stereo to the worklet, to play after what it
// holds (the copy's buffer is handed over, not copied again).
EM_JS(void, SendAudioChunk, (const float* samples, int frames), {
  const first = samples >> 2;
  const chunk = HEAPF32.slice(first, first + 2 * frames);
  Module.musicNode.port.postMessage({type: 'chunk', samples: chunk}, [chunk.buffer]);
});

// Has the worklet start playing the current generation once the main thread has finished the
// task it is in. The demo starts its song early in its start-up, which then keeps the main
// thread for a while (a few hundred milliseconds on a busy machine); the sound queued for the
// song waits meanwhile, whole, instead of running out before the first top-up.
EM_JS(void, StartAudioNodeWhenIdle, (), {
  const generation = Module.musicGeneration;
  setTimeout(function() {
    Module.musicNode.port.postMessage({type: 'start', generation: generation});
  }, 0);
});

// Has the worklet drop everything it holds; its reports about what was dropped are ignored
// from now on (they carry the old generation).
EM_JS(void, StopAudioNode, (), {
  Module.musicGeneration += 1;
  Module.musicPlayed = 0;
  Module.musicNode.port.postMessage({type: 'stop', generation: Module.musicGeneration});
});

EM_JS(double, PlayedAudioFrames, (), { return Module.musicPlayed; });
// clang-format on

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void TopUpWebAudio(WebAudioPlayer* player) { player->TopUp(); }

void WebAudioPlayer::StartMixer(int mixRate, int, unsigned) {
  if (connected_) return;
  const int rate = ConnectAudioNode(this);
  if (rate == kNoContext) {
    ReportNoSound("the page has no Web Audio context");
    return;
  }
  if (rate == kNoWorklet) {
    ReportNoSound(
        "the browser offers no audio worklet here (it does on https:// pages and "
        "on localhost)");
    return;
  }
  if (rate == kWorkletNotLoaded) {
    ReportNoSound("the page's audio worklet (music_worklet.js beside index.html) did not load");
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
  StartAudioNodeWhenIdle();
}

void WebAudioPlayer::FreeSong(Song* song) {
  if (song == nullptr) return;
  if (playing_ == song) Stop();
  DeleteSong(song);
}

void WebAudioPlayer::Stop() {
  StopAudioNode();
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
