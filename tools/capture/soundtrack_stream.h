// The video's sound: the soundtrack rendered as the capture goes and streamed to the encoder
// through a pipe of its own, so no file of the whole soundtrack is ever written.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "platform/module_render.h"

inline constexpr int kSoundRate = 44100;

// The soundtrack at kSoundRate: music.xm from the working directory, else from beside
// demo-capture. Without a playable one it renders silence, and a line on stderr says so.
std::unique_ptr<ModuleRenderer> OpenSoundtrack();

// Writes the next frames sample frames of music to the file descriptor fd, as raw
// interleaved stereo 32-bit floats in the machine's byte order (ffmpeg's f32le here). False,
// with the reason in error, when fd stops taking them (the reader has gone).
bool WriteSoundtrack(ModuleRenderer& music, std::int64_t frames, int fd, std::string& error);

// WriteSoundtrack on a thread of its own, so the sound pipe and the frame pipe are fed
// independently and neither can stall while ffmpeg waits for the other. Signals stay with the
// main thread. Join only after the reader has finished or been killed.
class SoundtrackWriter {
 public:
  SoundtrackWriter() = default;
  // Joins the thread if it was started and not yet joined.
  ~SoundtrackWriter();
  SoundtrackWriter(const SoundtrackWriter&) = delete;
  SoundtrackWriter& operator=(const SoundtrackWriter&) = delete;

  // Starts writing frames sample frames of music to fd; the writer closes fd when done.
  void Start(ModuleRenderer& music, std::int64_t frames, int fd);
  // Waits for the thread; true if every sample was written, else the reason is in error.
  bool Join(std::string& error);

 private:
  std::thread thread_;
  bool written_ = false;
  std::string error_;
};
