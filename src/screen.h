// The picture's fixed size: display request, window, viewport, aspect and mouse mapping.
#pragma once

#include <cstdint>

inline constexpr std::int32_t gResX = 800;
inline constexpr std::int32_t gResY = 600;
