// Offline rendering of a music module with libopenmpt: the reference for what the player
// sends to the sound device.
#pragma once

#include <cstddef>
#include <libopenmpt/libopenmpt.hpp>
#include <vector>

// Renders `frames` stereo frames as interleaved float pairs (left, right) at `rate` Hz,
// continuing from the module's current position, asking libopenmpt for `chunk` frames at a
// time. libopenmpt's output depends slightly on how reads are split, so a render matches
// a sound device's output only when made in the chunks the device asks for. Stops short
// where the song ends.
std::vector<float> RenderFrames(openmpt::module& module, int rate, std::size_t frames,
                                std::size_t chunk);

// The largest absolute sample value.
float Peak(const std::vector<float>& samples);
