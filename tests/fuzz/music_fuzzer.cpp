// libFuzzer target over the path a music file's bytes take in the demo: decode the module,
// render one second of audio in the sound device's chunk size, free it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/module_decoder.h"
#include "platform/sdl/module_player.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr int kRate = 44100;
  std::string why;
  openmpt_module* module = DecodeModule(data, size, why);
  if (module == nullptr) return 0;
  std::vector<float> chunk(2 * ModulePlayer::kFramesPerCallback);
  for (int done = 0; done < kRate; done += ModulePlayer::kFramesPerCallback) {
    RenderStereo(module, kRate, chunk.data(), ModulePlayer::kFramesPerCallback);
  }
  FreeModule(module);
  return 0;
}
