// libopenmpt behind the module decoder: file reading, decoding and rendering.
#include "module_decoder.h"

#include <fcntl.h>
#include <libopenmpt/libopenmpt.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

bool ReadModuleFile(const char* path, std::vector<std::uint8_t>& bytes, std::string& why) {
  const int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) {
    why = std::string("cannot open ") + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat status {};
  bool ok = fstat(file, &status) == 0;
  if (!ok) {
    why = std::string("cannot examine ") + path + ": " + std::strerror(errno);
  } else if (!S_ISREG(status.st_mode)) {
    why = std::string(path) + " is not a regular file";
    ok = false;
  }
  std::uint8_t chunk[65536];
  while (ok) {
    const ssize_t got = read(file, chunk, sizeof chunk);
    if (got > 0) {
      bytes.insert(bytes.end(), chunk, chunk + got);
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      why = std::string("cannot read ") + path + ": " + std::strerror(errno);
      ok = false;
    }
  }
  close(file);
  return ok;
}

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
