// libopenmpt behind the module decoder: decoding and rendering.
#include "module_decoder.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>

openmpt_module* DecodeModule(const std::uint8_t* bytes, std::size_t size, std::string& why) {
  int error = OPENMPT_ERROR_OK;
  const char* message = nullptr;
  openmpt_module* module = openmpt_module_create_from_memory2(
      bytes, size, openmpt_log_func_silent, nullptr, nullptr, nullptr, &error, &message, nullptr);
  if (module == nullptr) why = message != nullptr ? message : "unknown error";
  openmpt_free_string(message);
  // Played like a song left running: when it ends it starts again.
  if (module != nullptr) openmpt_module_set_repeat_count(module, -1);
  return module;
}

openmpt_module* LoadModuleFile(const char* path, std::string& why) {
  std::vector<std::uint8_t> bytes;
  if (!ReadModuleFile(path, bytes, why)) return nullptr;
  std::string reason;
  openmpt_module* module = DecodeModule(bytes.data(), bytes.size(), reason);
  if (module == nullptr) {
    why = std::string(path) + " is not a module libopenmpt can play (" + reason + ")";
  }
  return module;
}

void RenderStereo(openmpt_module* module, int rate, float* out, std::size_t frames) {
  std::size_t done = 0;
  while (module != nullptr && done < frames) {
    const std::size_t got =
        openmpt_module_read_interleaved_float_stereo(module, rate, frames - done, out + 2 * done);
    if (got == 0) break;  // a song with nothing to play
    done += got;
  }
  std::fill(out + 2 * done, out + 2 * frames, 0.0f);
}

void FreeModule(openmpt_module* module) { openmpt_module_destroy(module); }
