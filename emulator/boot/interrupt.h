// The one interrupt: timer 1, the 50 Hz frame tick, which also swaps the two
// sound buffers that DMA1 plays.
#ifndef TAMBERLIN_BOOT_INTERRUPT_H
#define TAMBERLIN_BOOT_INTERRUPT_H

#include <stdint.h>

#include "gba/attributes.h"

namespace tmb {

// Entered by the BIOS dispatcher through the vector word, in ARM state.
TMB_LONG_CALL void timerInterrupt();

// What the boot stores in the vector word.
uint32_t timerInterruptAddress();

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_INTERRUPT_H
