// Offline module rendering through libopenmpt.
#include "module_render.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

struct ModuleRenderState {
  openmpt_module* module = nullptr;
};

namespace {

// The whole file, or false with the reason in error.
bool ReadWholeFile(const std::string& path, std::vector<char>& bytes, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = std::strerror(errno);
    return false;
  }
  char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  const bool failed = std::ferror(file) != 0;
  if (failed) error = std::strerror(errno);
  std::fclose(file);
  return !failed;
}

}  // namespace

ModuleRenderer::ModuleRenderer(const std::string& path, int sampleRate) : sampleRate_(sampleRate) {
  std::vector<char> bytes;
  if (!ReadWholeFile(path, bytes, error_)) return;
  int errorCode = OPENMPT_ERROR_OK;
  const char* errorMessage = nullptr;
  openmpt_module* module = openmpt_module_create_from_memory2(
      bytes.data(), bytes.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_store,
      nullptr, &errorCode, &errorMessage, nullptr);
  if (module == nullptr) {
    error_ = errorMessage != nullptr ? errorMessage : "not a music module libopenmpt can read";
    openmpt_free_string(errorMessage);
    return;
  }
  openmpt_free_string(errorMessage);
  // Played like a song left running: when it ends it starts again.
  openmpt_module_set_repeat_count(module, -1);
  state_ = new ModuleRenderState{module};
}

ModuleRenderer::~ModuleRenderer() {
  if (state_ == nullptr) return;
  openmpt_module_destroy(state_->module);
  delete state_;
}

void ModuleRenderer::Render(float* interleavedStereo, std::size_t frames) {
  std::size_t done = 0;
  while (state_ != nullptr && done < frames) {
    const std::size_t got = openmpt_module_read_interleaved_float_stereo(
        state_->module, sampleRate_, frames - done, interleavedStereo + 2 * done);
    if (got == 0) break;
    done += got;
  }
  std::fill(interleavedStereo + 2 * done, interleavedStereo + 2 * frames, 0.0f);
}
