// The scripted platform: recorded calls, hand-set clock and input, offscreen GL.
#include "scripted_platform.h"

#include <utility>

#include "program_directory.h"

namespace {

// A song handle that stands for a loaded module; it is never dereferenced.
struct ScriptedSong {
  int unused = 0;
};
ScriptedSong scriptedSong;

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

ScriptedPlatform::ScriptedPlatform(Graphics graphics)
    : graphics_(graphics), programDirectory_(RunningProgramDirectory()) {}

ScriptedPlatform::~ScriptedPlatform() {
  if (context_ != nullptr) SDL_GL_DeleteContext(context_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void ScriptedPlatform::SetTicks(std::uint32_t value) { fixedTicks_ = value; }

void ScriptedPlatform::SetCursor(int x, int y) { cursor_ = CursorPos{x, y}; }

void ScriptedPlatform::QueueMessage(const Message& message) { queue_.push_back(message); }

bool ScriptedPlatform::CreateDemoWindow(int width, int height) {
  Record("CreateDemoWindow");
  if (graphics_ == Graphics::None) return true;
  // Whatever display the environment names, this platform never shows anything.
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error_ = std::string("cannot start offscreen video: ") + SDL_GetError();
    return false;
  }
  videoStarted_ = true;
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  window_ = SDL_CreateWindow("offscreen", 0, 0, width, height, SDL_WINDOW_OPENGL);
  if (window_ == nullptr) {
    error_ = std::string("cannot create an offscreen surface: ") + SDL_GetError();
    return false;
  }
  return true;
}

bool ScriptedPlatform::CreateGLContext() {
  Record("CreateGLContext");
  if (graphics_ == Graphics::None) return true;
  if (window_ == nullptr) return false;
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    error_ = std::string("cannot create an OpenGL context: ") + SDL_GetError();
    return false;
  }
  SDL_GL_MakeCurrent(window_, context_);
  return true;
}

void ScriptedPlatform::ShowDemoWindow() { Record("ShowDemoWindow"); }

void ScriptedPlatform::SwapBuffers() {
  Record("SwapBuffers");
  frameTicks_.push_back(lastTickRead_);
  if (onSwap) onSwap(static_cast<int>(frameTicks_.size()));
  if (context_ != nullptr) SDL_GL_SwapWindow(window_);
}

void ScriptedPlatform::DeleteGLContext() {
  Record("DeleteGLContext");
  if (context_ == nullptr) return;
  SDL_GL_MakeCurrent(window_, nullptr);
  SDL_GL_DeleteContext(context_);
  context_ = nullptr;
}

void ScriptedPlatform::DestroyDemoWindow() {
  Record("DestroyDemoWindow");
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  window_ = nullptr;
}

void ScriptedPlatform::HideCursor() { Record("HideCursor"); }

std::string ScriptedPlatform::ErrorText() const { return error_; }

std::uint32_t ScriptedPlatform::GetTickCount() {
  lastTickRead_ = ticks ? ticks() : fixedTicks_;
  return lastTickRead_;
}

void ScriptedPlatform::Sleep(std::uint32_t milliseconds) {
  Record("Sleep " + std::to_string(milliseconds));
}

CursorPos ScriptedPlatform::GetCursorPos() const { return cursor_; }

bool ScriptedPlatform::PeekMessage(Message& message) {
  if (queue_.empty()) {
    Record("Peek empty");
    return false;
  }
  message = queue_.front();
  queue_.pop_front();
  Record(std::string("Peek ") + MessageName(message.type));
  return true;
}

void ScriptedPlatform::PostQuitMessage(int exitCode) {
  Record("PostQuitMessage " + std::to_string(exitCode));
  postedQuitCode_ = exitCode;
  queue_.push_back(Message{MessageType::Quit, exitCode});
}

long ScriptedPlatform::DefWindowProc(const Message&) {
  Record("DefWindowProc");
  return kDefaultResult;
}

void ScriptedPlatform::SetProgramDirectory(std::string directory) {
  programDirectory_ = std::move(directory);
}

std::string ScriptedPlatform::ProgramDirectory() const { return programDirectory_; }

void ScriptedPlatform::StartMixer(int mixRate, int maxChannels, unsigned flags) {
  Record("StartMixer " + std::to_string(mixRate) + " " + std::to_string(maxChannels) + " " +
         std::to_string(flags));
}

Song* ScriptedPlatform::LoadSong(const char* path) {
  Record(std::string("LoadSong ") + path);
  return reinterpret_cast<Song*>(&scriptedSong);
}

void ScriptedPlatform::PlaySong(Song* song) {
  Record(song != nullptr ? "PlaySong" : "PlaySong null");
}

void ScriptedPlatform::FreeSong(Song* song) {
  Record(song != nullptr ? "FreeSong" : "FreeSong null");
}
