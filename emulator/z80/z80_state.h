// The stored form of the Z80 registers: the first 80 bytes of the globals
// block at IWRAM 0x03000000. Saved states and snapshot loaders read and write
// these bytes directly, so the layout is a file format: do not reorder.
//
// Self-contained on purpose (only <stdint.h>), so that the boot code, the
// front end and the host tools can include it without the rest of the core.
#ifndef TAMBERLIN_Z80_STATE_H
#define TAMBERLIN_Z80_STATE_H

#include <stdint.h>

// The core's order of the F bits. Bits 3..0 follow the ARM condition flags
// N, Z, C, V so the four can be copied from the status register in one go.
namespace PackedFlags {
constexpr uint8_t PV = 0x01;  // Z80 F bit 2
constexpr uint8_t C = 0x02;   // Z80 F bit 0
constexpr uint8_t Z = 0x04;   // Z80 F bit 6
constexpr uint8_t S = 0x08;   // Z80 F bit 7
constexpr uint8_t H = 0x10;   // Z80 F bit 4
constexpr uint8_t N = 0x20;   // Z80 F bit 1
constexpr uint8_t X = 0x40;   // Z80 F bit 3 (undocumented, never computed)
constexpr uint8_t Y = 0x80;   // Z80 F bit 5 (undocumented, never computed)
}  // namespace PackedFlags

// Z80 F bits, for converting snapshot bytes.
namespace Z80Flags {
constexpr uint8_t C = 0x01;
constexpr uint8_t N = 0x02;
constexpr uint8_t PV = 0x04;
constexpr uint8_t X = 0x08;
constexpr uint8_t H = 0x10;
constexpr uint8_t Y = 0x20;
constexpr uint8_t Z = 0x40;
constexpr uint8_t S = 0x80;
}  // namespace Z80Flags

// IFF1/IFF2 encoding: zero means enabled.
constexpr uint8_t kIffEnabled = 0x00;
constexpr uint8_t kIffDisabled = 0x80;

// T-states in one line; the line end adds this to the counter.
constexpr int32_t kTStatesPerLine = 218;

// All words little-endian. 8-bit registers sit in the top byte of their word,
// register pairs in the top half.
struct Z80StateRecord {
  uint32_t IX;            // 0x00  IX << 16
  uint32_t IY;            // 0x04  IY << 16
  uint32_t I;             // 0x08  I << 24
  uint8_t IFF1;           // 0x0C  kIffEnabled / kIffDisabled
  uint8_t reserved0D;     // 0x0D
  uint8_t IFF2;           // 0x0E
  uint8_t IM;             // 0x0F  0, 1 or 2
  uint32_t AF_;           // 0x10  A' << 24 | F' as a Z80 F byte
  uint32_t BC_;           // 0x14  BC' << 16
  uint32_t DE_;           // 0x18  DE' << 16
  uint32_t HL_;           // 0x1C  HL' << 16
  uint8_t R;              // 0x20  R as last stored
  uint8_t reserved21[3];  // 0x21
  // 0x24..0x4F: the hot registers, valid only while the core is parked.
  uint32_t szpTable;      // 0x24  machine word
  int32_t tStateCounter;  // 0x28
  uint32_t memoryBase;    // 0x2C  machine word
  uint32_t A;             // 0x30  A << 24
  uint32_t F;             // 0x34  PackedFlags in bits 0..7
  uint32_t BC;            // 0x38  BC << 16
  uint32_t DE;            // 0x3C  DE << 16
  uint32_t HL;            // 0x40  HL << 16
  uint32_t SP;            // 0x44  0..0xFFFF
  uint32_t PC;            // 0x48  0..0xFFFF when parked
  uint32_t resume;        // 0x4C  machine word
};

static_assert(sizeof(Z80StateRecord) == 80, "Z80StateRecord is 80 bytes");
static_assert(__builtin_offsetof(Z80StateRecord, IY) == 0x04, "IY");
static_assert(__builtin_offsetof(Z80StateRecord, I) == 0x08, "I");
static_assert(__builtin_offsetof(Z80StateRecord, IFF1) == 0x0C, "IFF1");
static_assert(__builtin_offsetof(Z80StateRecord, IFF2) == 0x0E, "IFF2");
static_assert(__builtin_offsetof(Z80StateRecord, IM) == 0x0F, "IM");
static_assert(__builtin_offsetof(Z80StateRecord, AF_) == 0x10, "AF'");
static_assert(__builtin_offsetof(Z80StateRecord, BC_) == 0x14, "BC'");
static_assert(__builtin_offsetof(Z80StateRecord, DE_) == 0x18, "DE'");
static_assert(__builtin_offsetof(Z80StateRecord, HL_) == 0x1C, "HL'");
static_assert(__builtin_offsetof(Z80StateRecord, R) == 0x20, "R");
static_assert(__builtin_offsetof(Z80StateRecord, szpTable) == 0x24, "SzpTable word");
static_assert(__builtin_offsetof(Z80StateRecord, tStateCounter) == 0x28, "TStateCounter");
static_assert(__builtin_offsetof(Z80StateRecord, memoryBase) == 0x2C, "memory base");
static_assert(__builtin_offsetof(Z80StateRecord, A) == 0x30, "A");
static_assert(__builtin_offsetof(Z80StateRecord, F) == 0x34, "F");
static_assert(__builtin_offsetof(Z80StateRecord, BC) == 0x38, "BC");
static_assert(__builtin_offsetof(Z80StateRecord, DE) == 0x3C, "DE");
static_assert(__builtin_offsetof(Z80StateRecord, HL) == 0x40, "HL");
static_assert(__builtin_offsetof(Z80StateRecord, SP) == 0x44, "SP");
static_assert(__builtin_offsetof(Z80StateRecord, PC) == 0x48, "PC");
static_assert(__builtin_offsetof(Z80StateRecord, resume) == 0x4C, "resume");

// Offsets of the hot block that the front end stores and reloads as one.
constexpr uint32_t kZ80HotBlockOffset = 0x24;
constexpr uint32_t kZ80HotBlockSize = 0x50 - 0x24;

#endif  // TAMBERLIN_Z80_STATE_H
