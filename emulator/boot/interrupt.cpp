#include "boot/interrupt.h"

#include <stdint.h>

#include "boot/globals.h"
#include "gba/registers.h"

namespace tmb {

using namespace gba;

TMB_IWRAM_CODE void timerInterrupt() {
  uint16_t pending = REG_IF;
  if (pending & IRQ_TIMER1) {
    GlobalsBlock& g = globals();
    REG_DMA1CNT_H = 0;
    volatileByte(g.frameTick) = 0xFF;
    // The buffer just written becomes the one played.
    uint32_t written = g.writeBuffer;
    g.writeBuffer = g.playBuffer;
    g.playBuffer = written;
    REG_DMA1SAD = written;
    REG_DMA1CNT_H = DMA_SOUND_FIFO;
  }
  REG_IF = pending;  // acknowledge everything that was pending
}

uint32_t timerInterruptAddress() {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&timerInterrupt));
}

}  // namespace tmb
