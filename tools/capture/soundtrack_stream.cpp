// Locating music.xm, rendering it chunk by chunk and writing it to the encoder's sound pipe.
#include "soundtrack_stream.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "music/music_file.h"
#include "platform/program_directory.h"
#include "report.h"

std::unique_ptr<ModuleRenderer> OpenSoundtrack() {
  const MusicSearch search = FindMusicFile("music.xm", RunningProgramDirectory());
  auto music = std::make_unique<ModuleRenderer>(search.found, kSoundRate);
  if (search.found.empty()) {
    Report(DescribeMissingMusic("music.xm", search) + "; the video will be silent");
  } else if (!music->Loaded()) {
    Report("cannot play " + search.found + " (" + music->ErrorText() +
           "); the video will be silent");
  }
  return music;
}

bool WriteSoundtrack(ModuleRenderer& music, std::int64_t frames, int fd, std::string& error) {
  constexpr std::int64_t kChunk = 4096;
  std::vector<float> samples(2 * kChunk);
  for (std::int64_t done = 0; done < frames; done += kChunk) {
    const auto count = static_cast<std::size_t>(std::min(kChunk, frames - done));
    music.Render(samples.data(), count);
    const char* bytes = reinterpret_cast<const char*>(samples.data());
    std::size_t left = count * 2 * sizeof(float);
    while (left > 0) {
      const ssize_t written = write(fd, bytes, left);
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) {
        error = std::string("cannot write the sound to ffmpeg: ") + std::strerror(errno);
        return false;
      }
      bytes += written;
      left -= static_cast<std::size_t>(written);
    }
  }
  return true;
}

SoundtrackWriter::~SoundtrackWriter() {
  if (thread_.joinable()) thread_.join();
}

void SoundtrackWriter::Start(ModuleRenderer& music, std::int64_t frames, int fd) {
  // The thread starts with every signal blocked, so Ctrl-C and the like reach the main thread,
  // whose blocked frame write they interrupt.
  sigset_t all;
  sigset_t previous;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &previous);
  thread_ = std::thread([this, &music, frames, fd] {
    written_ = WriteSoundtrack(music, frames, fd, error_);
    close(fd);
  });
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

bool SoundtrackWriter::Join(std::string& error) {
  if (thread_.joinable()) thread_.join();
  if (!written_) error = error_;
  return written_;
}
