// The GBA address map and the one way our code turns an address into a pointer.
// On the cartridge an address is the pointer; in the host build the same
// addresses land in arrays of the host twin, so logic runs unchanged in tests.
#ifndef TAMBERLIN_GBA_MEMORY_H
#define TAMBERLIN_GBA_MEMORY_H

#include <stddef.h>
#include <stdint.h>

namespace gba {

constexpr uint32_t EWRAM_BASE = 0x02000000;
constexpr uint32_t EWRAM_SIZE = 0x40000;
constexpr uint32_t IWRAM_BASE = 0x03000000;
constexpr uint32_t IWRAM_SIZE = 0x8000;
constexpr uint32_t IO_BASE = 0x04000000;
constexpr uint32_t IO_SIZE = 0x400;
constexpr uint32_t PALETTE_BASE = 0x05000000;
constexpr uint32_t PALETTE_SIZE = 0x400;
constexpr uint32_t VRAM_BASE = 0x06000000;
constexpr uint32_t VRAM_SIZE = 0x18000;
constexpr uint32_t OAM_BASE = 0x07000000;
constexpr uint32_t OAM_SIZE = 0x400;
constexpr uint32_t ROM_BASE = 0x08000000;
constexpr uint32_t ROM_SIZE = 0x02000000;
constexpr uint32_t SRAM_BASE = 0x0E000000;
constexpr uint32_t SRAM_SIZE = 0x10000;

constexpr uint32_t PALETTE_BG = PALETTE_BASE;
constexpr uint32_t PALETTE_OBJ = PALETTE_BASE + 0x200;

// BIOS area at the top of IWRAM.
constexpr uint32_t BIOS_IRQ_VECTOR = 0x03007FFC;
constexpr uint32_t BIOS_IRQ_FLAGS = 0x03007FF8;
constexpr uint32_t BIOS_RESET_TARGET = 0x03007FFA;  // 0: SoftReset restarts from ROM

#if defined(TMB_HOST)
// Host twin: the array behind [address, address + size); aborts on an unmapped range.
void* hostAddress(uint32_t address, size_t size);
template <class T>
inline T* at(uint32_t address) {
  return static_cast<T*>(hostAddress(address, sizeof(T)));
}
#else
template <class T>
inline T* at(uint32_t address) {
  return reinterpret_cast<T*>(address);
}
#endif

}  // namespace gba

#endif  // TAMBERLIN_GBA_MEMORY_H
