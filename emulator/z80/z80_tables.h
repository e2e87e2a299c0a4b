// The flag tables. Their contents are generated at build time by the host tool
// z80tables; nothing computes them on the GBA.
#ifndef TAMBERLIN_Z80_TABLES_H
#define TAMBERLIN_Z80_TABLES_H

#include <stdint.h>

// S, Z and parity of a byte in PackedFlags order; lives in IWRAM beside the core.
extern const uint8_t SzpTable[256];

// Flags of INC (index: result) and DEC (index: 256 + result), C excluded;
// IWRAM, beside the SzpTable.
extern const uint8_t IncDecFlagsTable[512];

// The EWRAM table overlay (8,704 bytes at 0x02000000 on the GBA), kept as one
// object so that the three tables stay together and in this order.
struct Z80TableOverlay {
  // Index A * 8 + C * 4 + N * 2 + H; new A in bits 0..7, new PackedFlags in 24..31.
  uint32_t DaaTable[2048];
  uint8_t FlagsToPackedTable[256];  // Z80 F byte -> PackedFlags
  uint8_t PackedToFlagsTable[256];  // PackedFlags -> Z80 F byte
};
static_assert(sizeof(Z80TableOverlay) == 8704, "table overlay size");

extern const Z80TableOverlay Z80Tables;

#endif  // TAMBERLIN_Z80_TABLES_H
