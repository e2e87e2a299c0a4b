#pragma once
// The records the builder appends behind the emulator image. All multi-byte values are
// little-endian; the emulator reads these layouts byte for byte.
//
// Standalone image (n games), L = emulator image length:
//   L                 32 x n   RomEntry, in list order
//   L + 32n           32       terminator, all 0
//   L + 32n + 32      ...      the snapshot files, whole, back to back
// RomEntry:
//   0   15  ROM name, blank-filled        16   4  data offset from L
//   15   1  0                             20   1  type: 0 ".SNA", 1 otherwise
//                                         21   1  0
//                                         22  10  ControlMap
//
// Pogoshell plug-in (m games):
//   L                 42       default record "<POGOSHELL>" with the Kempston map
//   L + 42            42 x m   PogoConfigRecord, in section order
//   L + 42 + 42m      1        end mark 0
// PogoConfigRecord:
//   0   31  lower-case game key, blank-filled    31  1  0     32  10  ControlMap
#include <cstdint>
#include <string>

#include "core/bytes.h"
#include "core/key_codes.h"

namespace tmb {

constexpr std::size_t kRomEntrySize = 32;
constexpr std::size_t kRomNameField = 15;
constexpr std::size_t kPogoRecordSize = 42;
constexpr std::size_t kPogoNameField = 31;
constexpr const char* kPogoDefaultName = "<POGOSHELL>";

enum class SnapshotType : std::uint8_t { Sna = 0, Z80 = 1 };

// ".SNA" in any case is an SNA; every other extension, or none, is taken for a Z80.
SnapshotType snapshotType(const std::string& fileName);

void appendRomEntry(Bytes& out, const std::string& romName, std::uint32_t dataOffset, SnapshotType type,
                    const ControlMap& controls);

// The name is written as given (cut or blank-filled to 31); lower-casing is the caller's.
void appendPogoRecord(Bytes& out, const std::string& name, const ControlMap& controls);

// The name a section gets in the plug-in table: lower-cased and cut to the field.
std::string pogoRecordName(const std::string& sectionName);

}  // namespace tmb
