// Scene clock arithmetic, kept apart from the loop so its rounding can be pinned by tests.
#include "scene_clock.h"

float SceneClock(std::uint32_t startTick, std::uint32_t now) {
  const std::uint32_t elapsed = now - startTick;
  return static_cast<float>(static_cast<double>(elapsed) / 10000);
}
