// The Spectrum 48K as the Z80 core sees it: the globals block's record, the
// EWRAM address space, the frame loop's line end, the ports and the beeper.
#ifndef TAMBERLIN_MACHINE_SPECTRUM_MACHINE_H
#define TAMBERLIN_MACHINE_SPECTRUM_MACHINE_H

#include <stdint.h>

#include "boot/globals.h"
#include "boot/memory_map.h"
#include "machine/frame_loop.h"
#include "machine/gba_pointer.h"
#include "machine/ports.h"
#include "machine/sound.h"
#include "z80/z80.h"

namespace tmb {

struct SpectrumMachine {
  static Z80StateRecord& State() { return globals().z80; }
  static uint8_t* Memory() { return block<uint8_t>(kZ80Memory, ::kZ80MemorySize); }
  static bool LineEnd(int32_t& counter) { return lineEnd(counter); }
  static bool FrameEnd() { return frameEnd(); }
  static uint8_t PortRead(uint32_t port) { return portRead(port); }
  static void Halt() { silenceRestOfFrame(); }
  static uint8_t& SpeakerLevel() { return globals().speakerLevel; }
  static uint8_t RRegisterMode() { return globals().rRegisterMode; }
};

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_SPECTRUM_MACHINE_H
