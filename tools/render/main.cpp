// render_module IN OUT.f32 SECONDS: renders a module, repeating forever, as raw 32-bit float
// stereo at 44100 Hz (e.g. for `sox -t f32 -r 44100 -c 2 OUT.f32 ...`), exactly as the demo's
// player sends it to the sound device, and prints the module's channel count, its length
// before it repeats and the peak of what was rendered.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "module_render.h"
#include "platform/sdl/module_player.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_module IN OUT.f32 SECONDS\n");
    return 2;
  }
  constexpr int kRate = 44100;
  ModuleRenderer module(argv[1], kRate);
  if (!module.Loaded()) {
    std::fprintf(stderr, "render_module: %s: %s\n", argv[1], module.ErrorText().c_str());
    return 1;
  }
  const std::size_t frames = static_cast<std::size_t>(std::atof(argv[3]) * kRate);
  const std::vector<float> samples = module.Render(frames, ModulePlayer::kFramesPerCallback);
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(samples.data()),
            static_cast<std::streamsize>(samples.size() * sizeof(float)));
  if (!out) {
    std::perror(argv[2]);
    return 1;
  }
  std::printf("channels %d, length before repeating %.3f s, peak %.4f\n", module.Channels(),
              module.LengthSeconds(), Peak(samples));
  return 0;
}
