// The scene clock: time since a scene began, in units of ten seconds.
#pragma once

#include <cstdint>

// Milliseconds from startTick to now, divided by 10000. The difference is taken in unsigned
// 32-bit arithmetic, so a wrap of the tick counter still gives the right span.
float SceneClock(std::uint32_t startTick, std::uint32_t now);
