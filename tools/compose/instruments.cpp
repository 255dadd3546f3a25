// The instrument list with the mix: each instrument's level and place in the stereo field.
#include "instruments.h"

#include "drum_kit.h"
#include "tone_instruments.h"

namespace {

XmInstrument Mixed(XmInstrument instrument, std::uint8_t volume, std::uint8_t panning = 128) {
  instrument.sample.volume = volume;
  instrument.sample.panning = panning;
  return instrument;
}

}  // namespace

std::vector<XmInstrument> SoundtrackInstruments() {
  return {
      Mixed(Kick(), 64),         Mixed(Snare(), 64),     Mixed(ClosedHat(), 36, 160),
      Mixed(OpenHat(), 28, 160), Mixed(Crash(), 40, 96), Mixed(Bass(), 56),
      Mixed(Pluck(), 36, 88),    Mixed(Pad(), 30),       Mixed(Lead(), 56),
  };
}
