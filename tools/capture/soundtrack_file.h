// The video's sound: the soundtrack rendered offline from the start into a raw sample file
// that ffmpeg reads beside the piped frames.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int kSoundRate = 44100;

// Renders the first frames sample frames of the soundtrack (music.xm from the working
// directory, else from beside demo-capture) at kSoundRate to path, as raw interleaved stereo
// 32-bit floats in the machine's byte order (ffmpeg's f32le here). Without a playable
// music.xm the samples are silence, and a line on stderr says so. False, with the
// reason in error, if the file cannot be written or an interrupt arrived.
bool WriteSoundtrack(const std::string& path, std::int64_t frames, std::string& error);
