// Offline module rendering through the demo's own module decoder.
#include "module_render.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>

#include "platform/module_decoder.h"

ModuleRenderer::ModuleRenderer(const std::uint8_t* bytes, std::size_t size, int sampleRate)
    : sampleRate_(sampleRate) {
  module_ = DecodeModule(bytes, size, error_);
}

ModuleRenderer::ModuleRenderer(const std::string& path, int sampleRate) : sampleRate_(sampleRate) {
  std::vector<std::uint8_t> bytes;
  if (ReadModuleFile(path.c_str(), bytes, error_)) {
    module_ = DecodeModule(bytes.data(), bytes.size(), error_);
  }
}

ModuleRenderer::~ModuleRenderer() {
  if (module_ != nullptr) FreeModule(module_);
}

void ModuleRenderer::Render(float* interleavedStereo, std::size_t frames) {
  RenderStereo(module_, sampleRate_, interleavedStereo, frames);
}

std::vector<float> ModuleRenderer::Render(std::size_t frames, std::size_t chunk) {
  std::vector<float> samples(2 * frames);
  for (std::size_t done = 0; done < frames; done += chunk) {
    Render(samples.data() + 2 * done, std::min(chunk, frames - done));
  }
  return samples;
}

int ModuleRenderer::Channels() const {
  return module_ != nullptr ? openmpt_module_get_num_channels(module_) : 0;
}

double ModuleRenderer::LengthSeconds() const {
  return module_ != nullptr ? openmpt_module_get_duration_seconds(module_) : 0.0;
}

int ModuleRenderer::Order() const {
  return module_ != nullptr ? openmpt_module_get_current_order(module_) : 0;
}

float Peak(const std::vector<float>& samples) {
  float peak = 0.0f;
  for (float sample : samples) peak = std::max(peak, std::fabs(sample));
  return peak;
}
