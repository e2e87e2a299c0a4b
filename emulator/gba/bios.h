// The two BIOS calls the emulator makes.
#ifndef TAMBERLIN_GBA_BIOS_H
#define TAMBERLIN_GBA_BIOS_H

#include <stdint.h>

namespace gba {

// RegisterRamReset flags (bit set = clear that area).
constexpr uint32_t RESET_EWRAM = 0x01;
constexpr uint32_t RESET_IWRAM = 0x02;  // except the top 512 bytes
constexpr uint32_t RESET_PALETTE = 0x04;
constexpr uint32_t RESET_VRAM = 0x08;
constexpr uint32_t RESET_OAM = 0x10;

void registerRamReset(uint32_t flags);
// Restarts from the address chosen by the byte at BIOS_RESET_TARGET (0 = ROM).
[[noreturn]] void softReset();

}  // namespace gba

#endif  // TAMBERLIN_GBA_BIOS_H
