// Stand-in for the Z80 core until it exists: runs the frame end's pacing and
// front-end hook only, so the boot, the tick and the intro countdown can be
// watched from outside. FrameCounter (GlobalsBlock 0x8C) counts the frames.
#include "boot/boot.h"
#include "boot/core_entry.h"
#include "boot/globals.h"

namespace tmb {

void enterCore() {
  GlobalsBlock& g = globals();
  for (;;) {
    while (volatileByte(g.frameTick) != 0xFF) {
    }
    volatileByte(g.frameTick) = 0;
    volatileByte(g.frameCounter) = static_cast<uint8_t>(g.frameCounter + 1);
    if (g.frontEndMode == kModeIntro) introFrame();
  }
}

}  // namespace tmb
