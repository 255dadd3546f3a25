// Start-up and shutdown order around the timeline's passes.
#include "demo_run.h"

#include <cstdio>
#include <string>
#include <utility>

#include "frame.h"
#include "gl_context.h"
#include "music/soundtrack.h"
#include "platform/user_text.h"
#include "screen.h"

namespace {

void WriteFrameTime(int scene, double ms) {
  char line[64];
  std::snprintf(line, sizeof line, "frame-time scene %d %.3f ms\n", scene, ms);
  TellUser(TextStream::Output, line);
}

}  // namespace

DemoRun::DemoRun(const Platform& platform, const DemoOptions& options, FrameDrawer draw)
    : platform_(platform), options_(options), draw_(std::move(draw)) {
  if (options.frameTimes) onFrameTime = WriteFrameTime;
}

bool DemoRun::StartUp() {
  DemoWindow& window = platform_.window;
  // Without a window or a context nothing could be seen and nothing could end the run, so
  // these two failures stop the demo instead of running on blind.
  window.HideCursor();
  if (!window.CreateDemoWindow(gResX, gResY)) return false;
  if (!EnableOpenGL(window)) {
    window.DestroyDemoWindow();
    return false;
  }
  song_ = StartMusic(platform_.music);
  PrepareFrameState();
  if (platform_.pacing == FramePacing::ToDisplay) pacer_.emplace(window.RefreshRate());
  const TimelineStart start{options_.startScene, options_.startAtMs, options_.freeze};
  timeline_.emplace(window, platform_.input, draw_, start, pacer_ ? &*pacer_ : nullptr);
  timeline_->onFrameTime = onFrameTime;
  return true;
}

int DemoRun::ShutDown() {
  const int exitCode = timeline_->ExitCode();
  timeline_.reset();
  FreeMusic(platform_.music, song_);
  song_ = nullptr;
  DisableOpenGL(platform_.window);
  platform_.window.DestroyDemoWindow();
  return exitCode;
}
