// Fixed run-time addresses. Tests, the Pogoshell loader and saved states rely
// on these, so they never move with the code.
#ifndef TAMBERLIN_BOOT_MEMORY_MAP_H
#define TAMBERLIN_BOOT_MEMORY_MAP_H

#include <stdint.h>

namespace tmb {

// EWRAM
constexpr uint32_t kTableOverlay = 0x02000000;  // DaaTable and the two flag tables
constexpr uint32_t kTableOverlaySize = 0x2200;
constexpr uint32_t kZ80Memory = 0x02002200;  // Z80 address 0 (ROM copy, then the 48 KB RAM)
constexpr uint32_t kZ80MemorySize = 0x10000;
constexpr uint32_t kGuardMirror = 0x02012200;  // the ROM's first 256 bytes again
constexpr uint32_t kGuardMirrorSize = 0x100;
constexpr uint32_t kSampleBuffer0 = 0x02012300;
constexpr uint32_t kSampleBuffer1 = 0x02012440;
constexpr uint32_t kSamplesPerFrame = 320;
constexpr uint32_t kMenuStack = 0x02012600;
constexpr uint32_t kNameBuffer = 0x02012700;
constexpr uint32_t kNameBufferSize = 32;
constexpr uint32_t kTextScratch = 0x02013000;
constexpr uint32_t kStateSlot1 = 0x02014000;
constexpr uint32_t kStateSlot2 = 0x02021000;
constexpr uint32_t kSelectorBackupState = 0x0202E000;
constexpr uint32_t kSavedStateSize = 49288;
constexpr uint32_t kPogoStartBlock = 0x0203FBFC;

// IWRAM
constexpr uint32_t kGlobalsBlock = 0x03000000;
constexpr uint32_t kGlobalsBlockSize = 0x100;
constexpr uint32_t kCoreOverlay = 0x03000100;
// The boot clears IWRAM up to here; the stack lives above it.
constexpr uint32_t kIwramClearEnd = 0x03007900;
constexpr uint32_t kStackTop = 0x03007F00;

// VRAM
constexpr uint32_t kMenuTileBase = 0x06000000;
constexpr uint32_t kVirtualKeyboardMapBase = 0x0600B800;
constexpr uint32_t kPreviewPanelMapBase = 0x0600C000;
constexpr uint32_t kScanlineMap = 0x0600C800;
constexpr uint32_t kMenuPanelMapBase = 0x0600D000;
constexpr uint32_t kStatusLineMapBase = 0x0600E440;

// SRAM
constexpr uint32_t kSettingsBlock = 0x0E000000;
constexpr uint32_t kSramStateSlot = 0x0E000100;

// Spectrum
constexpr uint32_t kSpectrumRomSize = 16384;
constexpr uint32_t kSnaSize = 49179;

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_MEMORY_MAP_H
