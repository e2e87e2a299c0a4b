// The beeper's sample buffers: one SpeakerLevel byte per line into the write
// buffer, DMA1 playing the other one into FIFO A, the two exchanged at every
// 50 Hz tick.
#ifndef TAMBERLIN_MACHINE_SOUND_H
#define TAMBERLIN_MACHINE_SOUND_H

#include <stdint.h>

#include "boot/globals.h"
#include "boot/memory_map.h"
#include "gba/attributes.h"
#include "machine/gba_pointer.h"

namespace tmb {

// The buffer the current frame fills, read afresh each time: the tick
// interrupt may have exchanged it.
inline uint8_t* writeSampleBuffer() {
  const uint32_t address = *const_cast<volatile uint32_t*>(&globals().writeBuffer);
  return block<uint8_t>(address, kSamplesPerFrame);
}

// HALT: the rest of the frame is silent and the frame is over.
inline void silenceRestOfFrame() {
  GlobalsBlock& g = globals();
  uint8_t* samples = writeSampleBuffer();
  for (uint32_t i = g.samplePosition; i < kSamplesPerFrame; ++i) samples[i] = 0;
  g.samplePosition = static_cast<uint16_t>(kSamplesPerFrame);
}

// The whole write buffer silent (the menu while the game is paused).
void silenceFrame();

// "Enabled" of the audio menu: only the master enable follows it, so the
// emulation's speed never changes with the sound.
void applyAudioSetting();

// The timer-1 interrupt, entered by the BIOS dispatcher in ARM state: the
// frame tick, and the buffer just written becomes the one played.
TMB_LONG_CALL void frameTickInterrupt();
uint32_t frameTickInterruptAddress();

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_SOUND_H
