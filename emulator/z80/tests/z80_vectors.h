// Deterministic instruction vectors for checking the GBA build of the core
// against the host build (which the differential test checks against
// libz80ex). Both run exactly the same sequence: every byte of every prefix
// group from pseudo-random states, one charged instruction each, and fold
// each opcode's results (registers, counter, speaker, then all memory) into
// one hash. Freestanding: no library calls, so the GBA image can use it.
#ifndef TAMBERLIN_Z80_VECTORS_H
#define TAMBERLIN_Z80_VECTORS_H

#include <stdint.h>

#include "z80_state.h"

namespace z80vectors {

constexpr int kGroups = 7;  // none, CB, ED, DD, FD, DD CB, FD CB
constexpr int kHashes = kGroups * 256;

struct Rng {
  uint32_t s = 0x2545F491;
  uint32_t Next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
};

inline uint32_t Fold(uint32_t h, uint32_t v) {
  for (int i = 0; i < 4; ++i) {
    h = (h ^ (v & 0xFF)) * 16777619u;
    v >>= 8;
  }
  return h;
}

inline uint8_t PortValue(uint32_t port) { return static_cast<uint8_t>((port * 0x9E3779B1u) >> 24); }

// run() executes one charged instruction from the record (counter 1) and
// parks; rMode is the RRegisterMode the machine reports during that run.
template <class Run>
void RunAll(Z80StateRecord& s, uint8_t* mem, uint8_t& speaker, uint8_t& rMode, uint32_t* hashes,
            int statesPerOpcode, Run run) {
  Rng rng;
  for (uint32_t a = 0; a < 0x10000; ++a) mem[a] = static_cast<uint8_t>(rng.Next() >> 7);
  for (uint32_t a = 0; a < 0x100; ++a) mem[0x10000 + a] = mem[a];
  for (int g = 0; g < kGroups; ++g) {
    for (int op = 0; op < 256; ++op) {
      uint32_t h = 2166136261u;
      for (int k = 0; k < statesPerOpcode; ++k) {
        s.A = rng.Next() & 0xFF000000;
        s.F = rng.Next() & 0xFF;
        s.BC = rng.Next() & 0xFFFF0000;
        s.DE = rng.Next() & 0xFFFF0000;
        s.HL = rng.Next() & 0xFFFF0000;
        s.SP = rng.Next() & 0xFFFF;
        s.IX = rng.Next() & 0xFFFF0000;
        s.IY = rng.Next() & 0xFFFF0000;
        s.AF_ = rng.Next() & 0xFF0000FF;
        s.BC_ = rng.Next() & 0xFFFF0000;
        s.DE_ = rng.Next() & 0xFFFF0000;
        s.HL_ = rng.Next() & 0xFFFF0000;
        s.I = rng.Next() & 0xFF000000;
        s.R = static_cast<uint8_t>(rng.Next());
        const uint32_t bits = rng.Next();
        s.IM = static_cast<uint8_t>(bits % 3);
        s.IFF1 = (bits & 0x100) ? kIffEnabled : kIffDisabled;
        s.IFF2 = (bits & 0x200) ? kIffEnabled : kIffDisabled;
        rMode = static_cast<uint8_t>((bits >> 10) & 3);
        // Mostly in RAM, now and then straddling 0xFFFF into the ROM.
        const uint32_t pc = (bits & 0xF000) == 0 ? 0xFFFC + ((bits >> 16) & 3) : 0x4000 + (bits >> 16) % 0xBFF0;
        const uint8_t code[4] = {
            static_cast<uint8_t>(g == 0 ? op : g == 1 ? 0xCB : g == 2 ? 0xED : g == 3 || g == 5 ? 0xDD : 0xFD),
            static_cast<uint8_t>(g == 0 ? mem[(pc + 1) & 0xFFFF] : g >= 5 ? 0xCB : op),
            mem[(pc + 2) & 0xFFFF],
            static_cast<uint8_t>(g >= 5 ? op : mem[(pc + 3) & 0xFFFF])};
        for (uint32_t i = 0; i < 4; ++i) mem[(pc + i) & 0xFFFF] = code[i];
        for (uint32_t a = 0; a < 4; ++a) mem[0x10000 + a] = mem[a];
        s.PC = pc;
        s.tStateCounter = 1;
        speaker = 0x55;
        run();
        const uint32_t* regs = reinterpret_cast<const uint32_t*>(&s);
        for (int w = 0; w < 20; ++w)
          if (w != 0x24 / 4 && w != 0x2C / 4 && w != 0x4C / 4) h = Fold(h, regs[w]);
        h = Fold(h, speaker);
      }
      // Memory by words: one multiply each keeps the GBA side to a few
      // seconds of emulated time.
      uint32_t m = 0;
      for (uint32_t a = 0; a < 0x10000; a += 4) {
        uint32_t word;
        __builtin_memcpy(&word, mem + a, 4);
        m = (m ^ word) * 16777619u;
      }
      hashes[g * 256 + op] = Fold(h, m);
    }
  }
}

}  // namespace z80vectors

#endif  // TAMBERLIN_Z80_VECTORS_H
