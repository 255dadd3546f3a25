// Offline rendering in fixed-size chunks, as a sound device asks for it.
#include "chunked_render.h"

#include <algorithm>
#include <cmath>

std::vector<float> RenderFrames(openmpt::module& module, int rate, std::size_t frames,
                                std::size_t chunk) {
  std::vector<float> samples(frames * 2);
  std::size_t done = 0;
  while (done < frames) {
    const std::size_t got = module.read_interleaved_stereo(rate, std::min(chunk, frames - done),
                                                           samples.data() + 2 * done);
    if (got == 0) break;
    done += got;
  }
  samples.resize(done * 2);
  return samples;
}

float Peak(const std::vector<float>& samples) {
  float peak = 0.0f;
  for (float sample : samples) peak = std::max(peak, std::fabs(sample));
  return peak;
}
