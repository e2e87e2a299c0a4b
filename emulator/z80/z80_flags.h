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

struct Result {
  uint32_t value;  // A << 24
  uint32_t flags;  // PackedFlags
};

// ADD and SUB/CP on A and the operand both held in the top byte
// (A32 = A << 24, x32 = x << 24, low bits zero).
// On the GBA the ARM condition flags N Z C V are the packed S Z C P/V, so
// one MRS gives four flags at once; C is inverted after a subtraction (the
// XOR with 0x22 also sets N).
__attribute__((always_inline)) inline Result AddA(uint32_t A32, uint32_t x32) {
#if defined(__arm__)
  // H is the carry out of the low nibbles: shifted to the top, a second
  // addition gives it as the ARM carry.
  uint32_t r, f, nib;
  asm("adds %0, %3, %4\n\t"
      "mrs %1, cpsr\n\t"
      "mov %2, %3, lsl #4\n\t"
      "mov %1, %1, lsr #28\n\t"
      "cmn %2, %4, lsl #4\n\t"
      "orrcs %1, %1, #0x10"
      : "=&r"(r), "=&r"(f), "=&r"(nib)
      : "r"(A32), "r"(x32)
      : "cc");
  return {r, f};
#else
  const uint32_t a = A32 >> 24, x = x32 >> 24, r = a + x;
  return {(r & 0xFF) << 24, Add8(a, x, r)};
#endif
}

__attribute__((always_inline)) inline Result SubA(uint32_t A32, uint32_t x32) {
#if defined(__arm__)
  uint32_t r, f, nib;
  asm("subs %0, %3, %4\n\t"
      "mrs %1, cpsr\n\t"
      "mov %2, %3, lsl #4\n\t"
      "mov %1, %1, lsr #28\n\t"
      "eor %1, %1, #0x22\n\t"
      "cmp %2, %4, lsl #4\n\t"
      "orrcc %1, %1, #0x10"
      : "=&r"(r), "=&r"(f), "=&r"(nib)
      : "r"(A32), "r"(x32)
      : "cc");
  return {r, f};
#else
  const uint32_t a = A32 >> 24, x = x32 >> 24, r = a - x;
  return {(r & 0xFF) << 24, Sub8(a, x, r)};
#endif
}

}  // namespace z80flags

#endif  // TAMBERLIN_Z80_FLAGS_H
