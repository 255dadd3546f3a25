// The one offline renderer of music modules: the samples the demo's player sends to the sound
// device, made through the same decoder with no device, for the capture's soundtrack,
// render_module, the fuzz target and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct openmpt_module;

class ModuleRenderer {
 public:
  // Decodes the module in bytes for rendering at sampleRate. Bytes that hold no playable
  // module leave the renderer silent, with Loaded() false and the reason in ErrorText().
  ModuleRenderer(const std::uint8_t* bytes, std::size_t size, int sampleRate);
  // The same for the module in the file at path; a missing or unreadable file is silent too.
  ModuleRenderer(const std::string& path, int sampleRate);
  ~ModuleRenderer();
  ModuleRenderer(const ModuleRenderer&) = delete;
  ModuleRenderer& operator=(const ModuleRenderer&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  const std::string& ErrorText() const { return error_; }

  // Fills frames sample frames of interleaved stereo (2 * frames floats in -1 .. 1), going on
  // from where the previous call stopped. The song repeats without end; with no song loaded
  // the samples are silence.
  void Render(float* interleavedStereo, std::size_t frames);
  // The next frames sample frames, asked for `chunk` frames at a time. libopenmpt's output
  // depends slightly on how reads are split, so this equals what the player sends to a sound
  // device only when chunk is the device's buffer size.
  std::vector<float> Render(std::size_t frames, std::size_t chunk);

  // What libopenmpt says of the song: its channel count, its length before it repeats and the
  // order it is playing now. Zero with no song loaded.
  int Channels() const;
  double LengthSeconds() const;
  int Order() const;

 private:
  int sampleRate_;
  openmpt_module* module_ = nullptr;
  std::string error_;
};

// The largest absolute sample value.
float Peak(const std::vector<float>& samples);
