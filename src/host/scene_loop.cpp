// The message-pump-and-frame loop of each scene, stepping through the table of scenes.
#include "scene_loop.h"

#include "scene_clock.h"
#include "scenes/scene_table.h"
#include "win_main.h"

namespace {

struct RunState {
  bool quit = false;  // set only when the quit message is taken from the queue
  Message message;
};

// One scene's loop. Each pass handles at most one message; a frame is drawn only in a pass
// that found the queue empty, so pending messages delay frames but never the clock.
void RunScene(DemoWindow& window, ClockAndInput& input, int number, const FrameDrawer& draw,
              RunState& state) {
  const Scene& scene = SceneNumber(number);
  const std::uint32_t startTick = input.GetTickCount();
  while (!state.quit) {
    if (input.PeekMessage(state.message)) {
      if (state.message.type == MessageType::Quit) {
        state.quit = true;
      } else {
        WndProc(input, state.message);
      }
      continue;
    }
    const float t = SceneClock(startTick, input.GetTickCount());
    if (SceneIsOver(scene, t)) return;
    draw(FrameInput{number, t, input.GetCursorPos()});
    window.SwapBuffers();
    input.Sleep(1);
  }
}

}  // namespace

int RunScenes(DemoWindow& window, ClockAndInput& input, const FrameDrawer& draw) {
  RunState state;
  for (int scene = 1; scene <= kSceneCount; ++scene) RunScene(window, input, scene, draw, state);
  return static_cast<int>(state.message.wParam);
}
