// The clock, the waits and the display's refresh rate of a native system: what decides how the
// native program's frames move. Each native platform writes this once against its system's
// calls (windows_clock, sdl_clock), so that the same code runs on the real system and in the
// display simulation.
#pragma once

#include <cstdint>

class SystemClock {
 public:
  virtual ~SystemClock() = default;

  // The scene clock's milliseconds, from any fixed start; wraps at 2^32.
  virtual std::uint32_t Milliseconds() = 0;
  // Microseconds on a steady clock, for pacing frames and timing them.
  virtual std::uint64_t NowUs() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // Waits until input arrives or timeoutMs have passed.
  virtual void WaitForInput(std::uint32_t timeoutMs) = 0;
  // The refresh rate of the display the window is on, in Hz, as exactly as the system tells
  // it; 0 when it does not say.
  virtual double RefreshRate() const = 0;
};
