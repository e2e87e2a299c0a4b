// The fixed GBA addresses the core works on, for the machine to inherit:
//   struct SpectrumMachine : Z80GbaAddresses { static bool LineEnd(int32_t&); ... };
#ifndef TAMBERLIN_Z80_GBA_H
#define TAMBERLIN_Z80_GBA_H

#include <stdint.h>

#include "z80_state.h"

struct Z80GbaAddresses {
  static constexpr uintptr_t kGlobals = 0x03000000;       // GlobalsBlock; Z80StateRecord first
  static constexpr uintptr_t kMemory = 0x02002200;        // Z80 address space, GuardMirror behind
  static constexpr uintptr_t kSpeakerLevel = kGlobals + 0xBA;
  static constexpr uintptr_t kRRegisterMode = kGlobals + 0x85;

  static Z80StateRecord& State() { return *reinterpret_cast<Z80StateRecord*>(kGlobals); }
  static uint8_t* Memory() { return reinterpret_cast<uint8_t*>(kMemory); }
  static uint8_t& SpeakerLevel() { return *reinterpret_cast<uint8_t*>(kSpeakerLevel); }
  static uint8_t RRegisterMode() { return *reinterpret_cast<const uint8_t*>(kRRegisterMode); }
};

#endif  // TAMBERLIN_Z80_GBA_H
