// Plays a music module through Web Audio: libopenmpt decodes on the page's main thread, which
// renders ahead and sends the sound in chunks to the page's music output (web/
// music_outputs.js): an audio worklet (web/music_worklet.js) where the browser offers one, else
// blocks of chunks scheduled on the audio context's clock; either plays on the browser's audio
// thread.
#pragma once

#include "platform/music_output.h"

// The music part of the web platform. Everything here runs on the page's one main thread; the
// output holds the sound rendered ahead, so the main thread may be busy (a slow frame, garbage
// collection) for nearly kMillisecondsAhead without a gap in the sound (less a chunk, as the
// output reports only chunks it has used up; the web tests block it 250 ms at a time).
class WebAudioPlayer final : public MusicOutput {
 public:
  // Frames rendered and sent at a time: the chunks the Linux player renders, so the page plays
  // the very samples render_module writes.
  static constexpr int kFramesPerChunk = 1024;
  // How much sound the main thread keeps queued in the output. Three quarters of a second:
  // where the output schedules its sound from the main thread, it holds up to a quarter second
  // back until a whole block is in, and the half second left covers a busy main thread as
  // the worklet's queue does.
  static constexpr int kMillisecondsAhead = 750;

  WebAudioPlayer() = default;
  WebAudioPlayer(const WebAudioPlayer&) = delete;
  WebAudioPlayer& operator=(const WebAudioPlayer&) = delete;

  // The page's music lies in the working directory, so there is no other place to look.
  std::string ProgramDirectory() const override { return ""; }

  // Opens the music output on the page's audio context (Module.audioContext, which the page
  // makes on the click or key press that allows sound, loading the worklet's module into it
  // where it can before the demo starts). The songs are mixed at the context's rate, which
  // the page asks to be mixRate.
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  // Sends the song's sound, from its current position, to the output, which starts playing
  // it once the main thread has finished what it is doing (the demo's start-up).
  void PlaySong(Song* song) override;
  // When the song plays, the output drops what it holds at once, so the sound stops now.
  void FreeSong(Song* song) override;

  // Renders the playing song's next chunks and sends them to the output until
  // kMillisecondsAhead of sound is queued there; nothing while no song plays. Called when the
  // output reports a chunk played, from a timer, and at each of the page's animation frames.
  void TopUp();

 private:
  void Stop();

  bool connected_ = false;
  int mixRate_ = 0;
  double framesAhead_ = 0;
  // Frames of the playing song sent to the output so far.
  double sent_ = 0;
  float samples_[2 * kFramesPerChunk] = {};
  Song* playing_ = nullptr;
};
