// Files for the audio tests: a scratch folder, whole-file reads and writes, and captures of
// SDL's disk audio driver.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// A file of 32-bit floats in the machine's byte order, as the disk driver writes them.
std::vector<float> ReadFloats(const std::filesystem::path& path);

// How a capture of the sound device lines up with an offline render: silence while the
// device was paused before the song started, the song, then silence again once it stopped.
struct CaptureMatch {
  std::size_t silentFramesBefore = 0;
  std::size_t matchingFrames = 0;  // frames equal to the render, bit for bit
  bool silentAfter = false;        // everything after the matching frames is silence
};

// Lines a capture up with a render (both interleaved stereo). The song is taken to begin
// with the first device buffer of `bufferFrames` frames that is not all silence.
CaptureMatch MatchCapture(const std::vector<float>& capture, const std::vector<float>& render,
                          std::size_t bufferFrames);

// The root mean square of interleaved stereo frames first .. first + count - 1.
double Rms(const std::vector<float>& samples, std::size_t first, std::size_t count);
