// Where the core's GBA benchmark and vector images leave their results, for
// the host side that reads them through the mGBA harness.
#ifndef TAMBERLIN_Z80_GBA_RESULTS_H
#define TAMBERLIN_Z80_GBA_RESULTS_H

#include <stdint.h>

namespace z80gba {
constexpr uint32_t kReady = 0x02038000;   // kReadyMagic once running (bench) or finished (vectors)
constexpr uint32_t kFrames = 0x02038004;  // Z80 frames completed (bench)
constexpr uint32_t kLine = 0x02038008;    // lines of the current frame (bench)
constexpr uint32_t kProgram = 0x0203800C;  // set before start: 0 the mix, 1 the register loop
constexpr uint32_t kHashes = 0x02030000;  // z80vectors::kHashes words (vectors)
constexpr uint32_t kReadyMagic = 0x5A80C0DE;
constexpr int kVectorStates = 8;  // states per opcode in the vector image
}  // namespace z80gba

#endif  // TAMBERLIN_Z80_GBA_RESULTS_H
