// Boot step 6 (display) and step 7 (timers, sound, interrupt).
#ifndef TAMBERLIN_BOOT_DISPLAY_SETUP_H
#define TAMBERLIN_BOOT_DISPLAY_SETUP_H

namespace tmb {

// Palettes, tiles, maps, sprite attributes and the display registers.
void setUpDisplay();
// Timer 0 as the sample clock, timer 1 as the 50 Hz frame tick, FIFO A fed
// by DMA1, and the timer-1 interrupt.
void setUpTimersSoundAndInterrupt();

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_DISPLAY_SETUP_H
