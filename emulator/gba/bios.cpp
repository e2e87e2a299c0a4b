#include "gba/bios.h"

#include "gba/memory.h"

namespace gba {

// The SWI number sits in the low byte of a Thumb SWI and in bits 16-23 of an ARM one.
#if defined(__thumb__)
#define TMB_SWI(n) "swi " #n
#else
#define TMB_SWI(n) "swi " #n " << 16"
#endif

void registerRamReset(uint32_t flags) {
  register uint32_t r0 asm("r0") = flags;
  asm volatile(TMB_SWI(0x01) : "+r"(r0) : : "r1", "r2", "r3", "memory");
}

void softReset() {
  *at<volatile uint8_t>(BIOS_RESET_TARGET) = 0;
  asm volatile(TMB_SWI(0x00) ::: "memory");
  __builtin_unreachable();
}

}  // namespace gba
