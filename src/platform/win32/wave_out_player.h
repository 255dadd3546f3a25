// Plays a music module through waveOut: libopenmpt decodes, a feeder thread keeps a few
// buffers queued on the device.
#pragma once

#include <memory>

#include "platform/music_output.h"

// The music part of the Windows platform: the default device, 32-bit float stereo, in
// buffers of the Linux player's chunk size. Rendering reads the playing song under a lock,
// and every change to which song plays is made under it, so no buffer is filled from a freed
// song. Songs not yet freed when it is destroyed stay the caller's to free.
std::unique_ptr<MusicOutput> CreateWaveOutPlayer();
