#include "machine/sound.h"

#include "gba/registers.h"

namespace tmb {

using namespace gba;

namespace {

// Exchanges *word and value in one instruction, so the frame loop sees either
// the old write buffer or the new one, never a half-done swap.
inline uint32_t exchange(uint32_t* word, uint32_t value) {
#if defined(TMB_HOST)
  const uint32_t old = *word;
  *word = value;
  return old;
#else
  uint32_t old;
  asm volatile("swp %0, %1, [%2]" : "=&r"(old) : "r"(value), "r"(word) : "memory");
  return old;
#endif
}

}  // namespace

void silenceFrame() {
  uint8_t* samples = writeSampleBuffer();
  for (uint32_t i = 0; i < kSamplesPerFrame; ++i) samples[i] = 0;
}

void applyAudioSetting() {
  REG_SOUNDCNT_X = static_cast<uint16_t>(globals().audioEnabled ? SOUNDCNT_X_ENABLE : 0);
}

TMB_IWRAM_CODE void frameTickInterrupt() {
  const uint16_t pending = REG_IF;
  if (pending & IRQ_TIMER1) {
    GlobalsBlock& g = globals();
    REG_DMA1CNT_H = 0;
    volatileByte(g.frameTick) = 0xFF;
    const uint32_t played = g.playBuffer;
    const uint32_t written = exchange(&g.writeBuffer, played);
    g.playBuffer = written;
    REG_DMA1SAD = written;
    REG_DMA1CNT_H = DMA_SOUND_FIFO;  // playback restarts at the new buffer's first sample
  }
  REG_IF = pending;  // acknowledge whatever was pending
}

uint32_t frameTickInterruptAddress() {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&frameTickInterrupt));
}

}  // namespace tmb
