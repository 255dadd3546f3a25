// Plays a music module through Web Audio: libopenmpt decodes, a script processor node on the
// page's audio context asks for each chunk of float stereo.
#pragma once

#include "platform/platform.h"

// The music component in a web page. Web Audio calls back on the page's one thread, between
// frames, so no lock guards which song plays.
class WebAudioPlayer {
 public:
  // Frames the node asks the callback for at a time, as the Linux player's device does.
  static constexpr int kFramesPerCallback = 1024;

  WebAudioPlayer() = default;
  WebAudioPlayer(const WebAudioPlayer&) = delete;
  WebAudioPlayer& operator=(const WebAudioPlayer&) = delete;

  // Connects a node to the page's audio context (Module.audioContext, which the page makes on
  // the click or key press that allows sound). The songs are mixed at the context's rate,
  // which the page asks to be mixRate. Without a context it says why on stderr and stays
  // silent. maxChannels and flags are accepted for the caller's sake.
  void StartMixer(int mixRate, int maxChannels, unsigned flags);
  // Reads a module of any format libopenmpt knows. Returns nullptr, after one line on stderr
  // saying why, when the file cannot be read or holds no module.
  Song* LoadSong(const char* path);
  // Plays the song from its current position, repeating forever. nullptr: nothing happens.
  void PlaySong(Song* song);
  // Stops the output if the song is playing, then releases it. nullptr: nothing happens.
  void FreeSong(Song* song);

  // The node's callback: the next frames of interleaved stereo, silence while no song plays.
  void Fill(float* out, int frames);

 private:
  bool connected_ = false;
  int mixRate_ = 0;
  float samples_[2 * kFramesPerCallback] = {};
  Song* playing_ = nullptr;
};
