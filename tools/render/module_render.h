// Offline rendering of a music module: the samples a player would mix, from the song's start,
// with no sound device.
#pragma once

#include <cstddef>
#include <string>

struct openmpt_module;

class ModuleRenderer {
 public:
  // Loads the module at path for rendering at sampleRate. A missing or unreadable file
  // leaves the renderer silent, with Loaded() false and the reason in ErrorText().
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

 private:
  int sampleRate_;
  openmpt_module* module_ = nullptr;
  std::string error_;
};
