// The demo's entry point in a web page. A page must return to the browser after each frame, so
// the run's passes are driven from the browser's animation frames: each callback runs passes
// until one draws a frame (messages and a scene change come first, as in the native loop) or
// the run ends, and then the page is told. The options come from the page: its query string
// and its sharp toggle (--sharp: the canvas's pixels follow its displayed size).
#include <emscripten.h>

#include <memory>
#include <optional>

#include "host/demo_options.h"
#include "host/demo_run.h"
#include "text/font.h"
#include "web_audio_player.h"
#include "web_canvas.h"

namespace {

// The page's hooks (Module.onDemoEnd, onDemoFail, onFrameTime in web/shell.html).
EM_JS(void, TellPageDemoEnded, (int exitCode), { Module.onDemoEnd(exitCode); });
EM_JS(void, TellPageDemoFailed, (const char* why), { Module.onDemoFail(UTF8ToString(why)); });
EM_JS(void, TellPageFrameTime, (int scene, double ms), { Module.onFrameTime(scene, ms); });

// The canvas and the player live as long as the page: the sound device stays open between
// runs, so a run started again plays through the same Web Audio context.
struct Page {
  std::unique_ptr<SystemWindow> canvas;  // made once the options say how it draws
  WebAudioPlayer music;
  DemoOptions options;
  std::optional<DemoRun> run;
};

Page* page = nullptr;

void AnimationFrame() {
  // Before the frame's work, so that a slow frame starts with the sound queued in full.
  page->music.TopUp();
  FitWebCanvasToDisplay();
  for (;;) {
    switch (page->run->Pass()) {
      case PassOutcome::Message:
      case PassOutcome::SceneBegan:
        break;
      case PassOutcome::Waited:
      case PassOutcome::Frame:
        return;
      case PassOutcome::Quit:
        emscripten_cancel_main_loop();
        TellPageDemoEnded(page->run->ShutDown());
        page->run.reset();
        return;
    }
  }
}

bool StartRun(const DemoOptions& options) {
  page->run.emplace(Platform{*page->canvas, *page->canvas, page->music, FramePacing::ByCaller},
                    options);
  if (options.frameTimes) page->run->onFrameTime = TellPageFrameTime;
  if (!page->run->StartUp()) {
    page->run.reset();
    return false;
  }
  emscripten_set_main_loop(AnimationFrame, 0, 0);
  return true;
}

}  // namespace

// The page's "play again": the same start-up once more, from the start of the timeline.
extern "C" EMSCRIPTEN_KEEPALIVE int PlayAgain() {
  if (page == nullptr || page->run) return 0;
  DemoOptions again = page->options;
  again.startScene = 1;
  again.startAtMs = 0;
  return StartRun(again) ? 1 : 0;
}

int main(int argc, char** argv) {
  page = new Page;
  page->options = ParseDemoOptions(argc, argv);
  if (page->options.outcome != DemoOptions::Outcome::Run) {
    TellPageDemoFailed(page->options.outcome == DemoOptions::Outcome::Help
                           ? DemoUsage()
                           : ("demo: " + page->options.error).c_str());
    return 2;
  }
  page->canvas =
      CreateWebCanvas(page->options.sharp ? PictureDrawing::Sharp : PictureDrawing::Scaled);
  // The page's GL layer keeps every bitmap drawn outside a display list in its glyph texture,
  // so text goes through the font's lists rather than one merged bitmap per line.
  SetTextDrawing(TextDrawing::PerGlyph);
  if (!StartRun(page->options)) {
    TellPageDemoFailed(page->canvas->ErrorText().c_str());
    return 1;
  }
  return 0;
}
