// Host twin of the GBA hardware layer: every memory region is an array, every
// I/O register a recorded value, and the BIOS calls are observable.
// Tests prepare memory through these arrays and read back what the code did.
#ifndef TAMBERLIN_GBA_HOST_TWIN_H
#define TAMBERLIN_GBA_HOST_TWIN_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

namespace gba::host {

struct Regions {
  uint8_t ewram[0x40000];
  uint8_t iwram[0x8000];
  uint8_t io[0x400];
  uint8_t palette[0x400];
  uint8_t vram[0x18000];
  uint8_t oam[0x400];
  uint8_t sram[0x10000];
  std::vector<uint8_t> rom;  // the cartridge: image and appended data
};

Regions& regions();

// Every region zero, SRAM 0xFF as on a new cartridge, no ROM, no BIOS calls seen.
void resetTwin();

// Host pointer for a GBA address (same as gba::at, without the type).
uint8_t* bytes(uint32_t address, size_t size);

uint16_t io16(uint32_t address);
uint32_t io32(uint32_t address);

// What the BIOS was asked to do.
struct BiosLog {
  int registerRamResets = 0;
  uint32_t lastRamResetFlags = 0;
  int softResets = 0;
};
BiosLog& bios();

// Thrown by the twin's softReset, which on the cartridge never returns.
struct SoftResetCalled {};

}  // namespace gba::host

#endif  // TAMBERLIN_GBA_HOST_TWIN_H
