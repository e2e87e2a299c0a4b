// Flag arithmetic shared by the handlers. Values are plain bytes or words
// here; results come back in PackedFlags order.
#ifndef TAMBERLIN_Z80_FLAGS_H
#define TAMBERLIN_Z80_FLAGS_H

#include <stdint.h>

namespace z80flags {

// r = a + x (+ carry) computed in 32 bits; bit 8 of r is the carry out.
inline uint32_t Add8(uint32_t a, uint32_t x, uint32_t r) {
  return ((r >> 4) & 0x08) | (((r & 0xFF) == 0) << 2) | ((r >> 7) & 0x02) | ((a ^ x ^ r) & 0x10) |
         (((a ^ r) & (x ^ r) & 0x80) >> 7);
}

// r = a - x (- carry) computed in 32 bits; bit 8 of r is the borrow.
inline uint32_t Sub8(uint32_t a, uint32_t x, uint32_t r) {
  return ((r >> 4) & 0x08) | (((r & 0xFF) == 0) << 2) | ((r >> 7) & 0x02) | ((a ^ x ^ r) & 0x10) |
         (((a ^ x) & (a ^ r) & 0x80) >> 7) | 0x20;
}

// S and Z of a 16-bit result, P/V as overflow, H from bit 11, C from bit 16.
inline uint32_t Adc16(uint32_t a, uint32_t x, uint32_t r) {
  return ((r >> 12) & 0x08) | (((r & 0xFFFF) == 0) << 2) | ((r >> 15) & 0x02) | (((a ^ x ^ r) >> 8) & 0x10) |
         (((a ^ r) & (x ^ r) & 0x8000) >> 15);
}

inline uint32_t Sbc16(uint32_t a, uint32_t x, uint32_t r) {
  return ((r >> 12) & 0x08) | (((r & 0xFFFF) == 0) << 2) | ((r >> 15) & 0x02) | (((a ^ x ^ r) >> 8) & 0x10) |
         (((a ^ x) & (a ^ r) & 0x8000) >> 15) | 0x20;
}

}  // namespace z80flags

#endif  // TAMBERLIN_Z80_FLAGS_H
