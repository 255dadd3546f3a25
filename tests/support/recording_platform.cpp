// The recording platform: every call recorded, the clock and the messages scripted.
#include "recording_platform.h"

#include "platform/sdl/program_directory.h"

namespace {

// A song handle that stands for a loaded module; it is never dereferenced.
struct RecordedSong {
  int unused = 0;
};
RecordedSong recordedSong;

const char* MessageName(MessageType type) {
  switch (type) {
    case MessageType::Quit:
      return "Quit";
    case MessageType::Close:
      return "Close";
    case MessageType::KeyDown:
      return "KeyDown";
    case MessageType::Other:
      return "Other";
  }
  return "?";
}

}  // namespace

RecordingPlatform::RecordingPlatform() : programDirectory_(RunningProgramDirectory()) {}

void RecordingPlatform::SetTicks(std::uint32_t value) { fixedTicks_ = value; }

void RecordingPlatform::QueueMessage(const Message& message) { queue_.push_back(message); }

void RecordingPlatform::SwapBuffers() {
  Record("SwapBuffers");
  frameTicks_.push_back(lastTickRead_);
  if (onSwap) onSwap(static_cast<int>(frameTicks_.size()));
}

std::uint32_t RecordingPlatform::GetTickCount() {
  lastTickRead_ = ticks ? ticks() : fixedTicks_;
  return lastTickRead_;
}

bool RecordingPlatform::PeekMessage(Message& message) {
  if (queue_.empty()) {
    Record("Peek empty");
    return false;
  }
  message = queue_.front();
  queue_.pop_front();
  Record(std::string("Peek ") + MessageName(message.type));
  return true;
}

void RecordingPlatform::PostQuitMessage(int exitCode) {
  Record("PostQuitMessage " + std::to_string(exitCode));
  queue_.push_back(Message{MessageType::Quit, exitCode});
}

void RecordingPlatform::SetProgramDirectory(std::string directory) {
  programDirectory_ = std::move(directory);
}

void RecordingPlatform::StartMixer(int mixRate, int maxChannels, unsigned flags) {
  Record("StartMixer " + std::to_string(mixRate) + " " + std::to_string(maxChannels) + " " +
         std::to_string(flags));
}

Song* RecordingPlatform::LoadSong(const char* path) {
  Record(std::string("LoadSong ") + path);
  return reinterpret_cast<Song*>(&recordedSong);
}
