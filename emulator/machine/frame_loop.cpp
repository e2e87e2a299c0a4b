#include "machine/frame_loop.h"

#include "gba/registers.h"
#include "machine/front_end_hook.h"
#include "machine/gba_pointer.h"
#include "machine/input_hooks.h"
#include "machine/screen.h"
#include "z80/z80.h"

namespace tmb {

using namespace gba;

#if defined(TMB_HOST)
void (*hostFrameTickSource)() = [] {
  REG_IF = IRQ_TIMER1;
  frameTickInterrupt();
};
bool (*hostRunOn)() = [] { return false; };
#endif

TMB_IWRAM_CODE void waitForFrameTick() {
  volatile uint8_t& tick = volatileByte(globals().frameTick);
#if defined(TMB_HOST)
  if (tick != 0xFF) hostFrameTickSource();
#endif
  while (tick != 0xFF) {
  }
}

TMB_IWRAM_CODE void frameEndWork() {
  GlobalsBlock& g = globals();
  for (;;) {
    // 5: the counter runs on through skipped frames, and so does the flash.
    const uint8_t frame = static_cast<uint8_t>(g.frameCounter + 1);
    g.frameCounter = frame;
    if ((frame & 3u) >= g.frameskip) drawScreen((frame >> 4) & 1u);
    // 6
    if (g.virtualKeyboardPosition != 0) virtualKeyboardFrame();
    // 7: the front end is always paced by the tick.
    const uint8_t mode = g.frontEndMode;
    if (g.throttle || mode != kModeRunning) waitForFrameTick();
    // 8
    g.samplePosition = 0;
    volatileByte(g.frameTick) = 0;
    // 9
    if (mode == kModeRunning) {
      if ((REG_KEYINPUT & (KEY_SELECT | KEY_START)) == 0) g.frontEndMode = kModeMenuOpening;
      return;
    }
    // 10: a paused menu keeps the Z80 stopped and silent until it has closed.
    frontEndFrame(mode);
    const bool menu = mode >= kModeMenuOpening && mode <= kModeMenuClosing;
    if (!menu || !g.pauseOnMenu) return;
    silenceFrame();
  }
}

TMB_IWRAM_CODE bool frameEnd() {
  GlobalsBlock& g = globals();
  Z80AcceptInterrupt(g.z80, block<uint8_t>(kZ80Memory, kZ80MemorySize + kGuardMirrorSize));
  frameEndWork();
#if defined(TMB_HOST)
  return hostRunOn();
#else
  return true;
#endif
}

}  // namespace tmb
