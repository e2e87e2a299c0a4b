// The boot sequence from the entry point to the first emulated instruction.
#ifndef TAMBERLIN_BOOT_BOOT_H
#define TAMBERLIN_BOOT_BOOT_H

#include <stdint.h>

namespace tmb {

constexpr uint32_t kIntroFrames = 2656;  // about 53 seconds at 50.03 frames per second

// Steps 2 to 9: memory clear, settings, start check, copies, display, timers
// and sound, CPU reset, first program. Everything but entering the core.
void bootMachine();

// The parts of it, in order.
void clearMemory();
void copyOverlays();
void resetCpuState();
void startFirstProgram();

// Intro countdown, once per frame in FrontEndMode 7.
void introFrame();

// "Reset Emulator": stop DMA and interrupts, restart from ROM through the BIOS.
// The caller saves the settings first.
[[noreturn]] void restartEmulator();

}  // namespace tmb

// Entered from the start-up code with the stacks set (step 1); never returns.
extern "C" [[noreturn]] void tmbBoot();

#endif  // TAMBERLIN_BOOT_BOOT_H
