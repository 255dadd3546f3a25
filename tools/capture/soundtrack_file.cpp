// Locating music.xm and rendering it to a raw sample file.
#include "soundtrack_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "interrupt.h"
#include "module_render.h"
#include "report.h"

std::string FindMusicFile() {
  const std::string name = "music.xm";
  if (access(name.c_str(), F_OK) == 0) return name;
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return "";
  std::string beside(self, static_cast<std::size_t>(length));
  beside = beside.substr(0, beside.rfind('/') + 1) + name;
  return access(beside.c_str(), F_OK) == 0 ? beside : "";
}

bool WriteSoundtrack(const std::string& path, std::int64_t frames, std::string& error) {
  const std::string musicPath = FindMusicFile();
  ModuleRenderer music(musicPath, kSoundRate);
  if (musicPath.empty()) {
    Report(
        "no music.xm in the working directory or beside demo-capture; the video will be "
        "silent");
  } else if (!music.Loaded()) {
    Report("cannot play " + musicPath + " (" + music.ErrorText() + "); the video will be silent");
  }

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  constexpr std::int64_t kChunk = 4096;
  std::vector<float> samples(2 * kChunk);
  bool written = true;
  for (std::int64_t done = 0; done < frames && written && !Interrupted(); done += kChunk) {
    const auto count = static_cast<std::size_t>(std::min(kChunk, frames - done));
    music.Render(samples.data(), count);
    written = std::fwrite(samples.data(), sizeof(float) * 2, count, file) == count;
  }
  if (std::fclose(file) != 0) written = false;
  if (!written) error = "cannot write " + path + ": " + std::strerror(errno);
  if (Interrupted()) error = "interrupted";
  return written && !Interrupted();
}
