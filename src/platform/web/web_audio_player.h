// Plays a music module through Web Audio: libopenmpt decodes, a script processor node on the
// page's audio context asks for each chunk of float stereo.
#pragma once

#include "platform/music_output.h"

// The music part of the web platform. Web Audio calls back on the page's one thread, between
// frames, so no lock guards which song plays.
class WebAudioPlayer final : public MusicOutput {
 public:
  // Frames the node asks the callback for at a time, as the Linux player's device does.
  static constexpr int kFramesPerCallback = 1024;

  WebAudioPlayer() = default;
  WebAudioPlayer(const WebAudioPlayer&) = delete;
  WebAudioPlayer& operator=(const WebAudioPlayer&) = delete;

  // The page's music lies in the working directory, so there is no other place to look.
  std::string ProgramDirectory() const override { return ""; }

  // Connects a node to the page's audio context (Module.audioContext, which the page makes on
  // the click or key press that allows sound). The songs are mixed at the context's rate,
  // which the page asks to be mixRate.
  void StartMixer(int mixRate, int maxChannels, unsigned flags) override;
  Song* LoadSong(const char* path) override;
  void PlaySong(Song* song) override;
  void FreeSong(Song* song) override;

  // The node's callback: the next frames of interleaved stereo, silence while no song plays.
  void Fill(float* out, int frames);

 private:
  bool connected_ = false;
  int mixRate_ = 0;
  float samples_[2 * kFramesPerCallback] = {};
  Song* playing_ = nullptr;
};
