// Reset and interrupt acceptance: the two core routines that act on the
// parked record rather than on the hot registers.
#include "z80.h"

void Z80Reset(Z80StateRecord& state) {
  // A plain loop: the GBA build links no C library.
  uint8_t* bytes = reinterpret_cast<uint8_t*>(&state);
  for (unsigned i = 0; i < sizeof state; ++i) bytes[i] = 0;
  state.szpTable = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(SzpTable));
  state.tStateCounter = kTStatesPerLine;
}

Z80_IWRAM_CODE("z80int") bool Z80AcceptInterrupt(Z80StateRecord& s, uint8_t* mem) {
  if (s.IFF1 != kIffEnabled) return false;  // not remembered: next chance is the next frame
  s.IFF1 = kIffDisabled;
  s.IFF2 = kIffDisabled;
  uint32_t sp = s.SP & 0xFFFF;
  const uint32_t pc = s.PC & 0xFFFF;
  sp = (sp - 1) & 0xFFFF;
  if (sp >= 0x4000) mem[sp] = static_cast<uint8_t>(pc >> 8);
  sp = (sp - 1) & 0xFFFF;
  if (sp >= 0x4000) mem[sp] = static_cast<uint8_t>(pc);
  s.SP = sp;
  if (s.IM == 2) {
    // The data bus carries 0xFF, so the vector lies at I * 256 + 0xFF.
    const uint32_t vector = ((s.I >> 24) << 8) | 0xFF;
    s.PC = mem[vector] | (mem[(vector + 1) & 0xFFFF] << 8);
    s.tStateCounter -= 19;
  } else {
    s.PC = 0x0038;  // mode 0 acts as the RST 38 a bus of 0xFF supplies
    s.tStateCounter -= 13;
  }
  return true;
}
