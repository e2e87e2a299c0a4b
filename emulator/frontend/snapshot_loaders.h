// The .SNA and .Z80 (versions 1-3, 48K) loaders. Each reads the file in
// place, sets every register in the Z80StateRecord (hot ones included) and
// fills Z80 RAM 0x4000-0xFFFF. Nothing is checked: any bytes load as some
// machine, and no write ever lands outside Z80 RAM.
#ifndef TAMBERLIN_FRONTEND_SNAPSHOT_LOADERS_H
#define TAMBERLIN_FRONTEND_SNAPSHOT_LOADERS_H

#include <stdint.h>

namespace tmb {

constexpr uint32_t kSnaHeaderSize = 27;
constexpr uint32_t kZ80HeaderSize = 30;
constexpr int32_t kZ80Version1Budget = 65535;
// A version 3 block of this length holds 16,384 bytes uncompressed.
constexpr uint32_t kZ80RawBlockLength = 0xFFFF;

// `snapshot` is the GBA address of the file's first byte.
void loadSna(uint32_t snapshot);
void loadZ80(uint32_t snapshot);

// Type 0 is a .SNA, any other value a .Z80.
void runSnapshotLoader(uint8_t type, uint32_t snapshot);

}  // namespace tmb

#endif  // TAMBERLIN_FRONTEND_SNAPSHOT_LOADERS_H
