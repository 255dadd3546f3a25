// Scratch files and the comparison of device captures with offline renders.
#include "audio_files.h"

#include <unistd.h>

#include <atomic>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

ScratchFolder::ScratchFolder() {
  static std::atomic<int> count{0};
  path_ = std::filesystem::temp_directory_path() /
          ("demo-audio-test-" + std::to_string(getpid()) + "-" + std::to_string(count++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<float> ReadFloats(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  std::vector<float> floats(bytes.size() / sizeof(float));
  std::copy(bytes.begin(), bytes.begin() + floats.size() * sizeof(float),
            reinterpret_cast<std::uint8_t*>(floats.data()));
  return floats;
}

CaptureMatch MatchCapture(const std::vector<float>& capture, const std::vector<float>& render,
                          std::size_t bufferFrames) {
  CaptureMatch match;
  const std::size_t frames = capture.size() / 2;
  std::size_t first = 0;
  while (first < frames && capture[2 * first] == 0.0f && capture[2 * first + 1] == 0.0f) ++first;
  match.silentFramesBefore = first - first % bufferFrames;

  std::size_t at = match.silentFramesBefore;
  while (at < frames && match.matchingFrames < render.size() / 2 &&
         capture[2 * at] == render[2 * match.matchingFrames] &&
         capture[2 * at + 1] == render[2 * match.matchingFrames + 1]) {
    ++at;
    ++match.matchingFrames;
  }
  match.silentAfter = true;
  for (std::size_t i = 2 * at; i < capture.size(); ++i) {
    if (capture[i] != 0.0f) match.silentAfter = false;
  }
  return match;
}

double Rms(const std::vector<float>& samples, std::size_t first, std::size_t count) {
  double sum = 0.0;
  for (std::size_t i = 2 * first; i < 2 * (first + count) && i < samples.size(); ++i) {
    sum += static_cast<double>(samples[i]) * samples[i];
  }
  return count == 0 ? 0.0 : std::sqrt(sum / (2.0 * count));
}
