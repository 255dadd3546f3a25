// The small looping module the writer and player tests share.
#include "looping_module.h"

#include "score.h"

XmModule LoopingModule() {
  XmModule module;
  module.name = "tiny";
  module.channels = 2;
  module.speed = 3;
  module.bpm = 125;
  module.restartPosition = 1;
  module.orders = {0, 1};

  XmPattern first(8, 2);
  first.At(0, 0) = XmCell{49, 1, 0, 0, 0};
  first.At(6, 0) = XmCell{kXmKeyOff, 0, 0, 0, 0};
  XmPattern second(4, 2);
  second.At(0, 1) = XmCell{58, 1, 0x10 + 40, kSetPanning, 0xB8};
  module.patterns = {first, second};

  XmInstrument square;
  square.name = "square";
  for (int i = 0; i < 64; ++i) square.sample.data.push_back(i < 32 ? 20000 : -20000);
  square.sample.loopLength = 64;
  module.instruments = {square};
  return module;
}
