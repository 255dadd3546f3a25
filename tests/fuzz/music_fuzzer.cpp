// libFuzzer target over the path a music file's bytes take in the demo: decode the module,
// render one second of audio in the sound device's chunk size, free it.
#include <cstddef>
#include <cstdint>

#include "module_render.h"
#include "platform/sdl/module_player.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr int kRate = 44100;
  ModuleRenderer module(data, size, kRate);
  if (module.Loaded()) module.Render(kRate, ModulePlayer::kFramesPerCallback);
  return 0;
}
