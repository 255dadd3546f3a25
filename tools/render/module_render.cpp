// Offline module rendering through the demo's own module decoder.
#include "module_render.h"

#include <cstdint>
#include <vector>

#include "platform/module_decoder.h"

ModuleRenderer::ModuleRenderer(const std::string& path, int sampleRate) : sampleRate_(sampleRate) {
  std::vector<std::uint8_t> bytes;
  if (!ReadModuleFile(path.c_str(), bytes, error_)) return;
  module_ = DecodeModule(bytes.data(), bytes.size(), error_);
}

ModuleRenderer::~ModuleRenderer() {
  if (module_ != nullptr) FreeModule(module_);
}

void ModuleRenderer::Render(float* interleavedStereo, std::size_t frames) {
  RenderStereo(module_, sampleRate_, interleavedStereo, frames);
}
