// The GlobalsBlock: 256 bytes at IWRAM 0x03000000 through which every part of
// the emulator shares state. Saved states keep its first 92 bytes and tests
// read it by offset, so every field offset is checked below.
#ifndef TAMBERLIN_BOOT_GLOBALS_H
#define TAMBERLIN_BOOT_GLOBALS_H

#include <stddef.h>
#include <stdint.h>

#include "boot/memory_map.h"
#include "gba/memory.h"
#include "z80/z80_state.h"

namespace tmb {

// Six fitting values of the Spectrum screen.
struct ScreenGeometry {
  int16_t xOffset;
  int16_t yOffset;
  int16_t xLength;
  int16_t y1Length;
  int16_t y2Length;
  int16_t y3Length;
};
static_assert(sizeof(ScreenGeometry) == 12, "ScreenGeometry");

// Values of FrontEndMode.
enum : uint8_t {
  kModeRunning = 0,
  kModeMenuOpening = 1,
  kModeMenu = 2,
  kModeMenuClosing = 3,
  kModeSelectorOpening = 4,
  kModeSelector = 5,
  kModeSelectorClosing = 6,
  kModeIntro = 7,
};

struct GlobalsBlock {
  Z80StateRecord z80;               // 0x00
  uint8_t controlMap[10];           // 0x50  A B Select Start Right Left Up Down R L
  uint8_t spare5A[2];               // 0x5A
  uint8_t reserved5C[4];            // 0x5C
  uint32_t menuStack;               // 0x60
  uint8_t frontEndMode;             // 0x64
  uint8_t keyRepeat;                // 0x65
  uint8_t menuSlideStep;            // 0x66
  uint8_t reserved67;               // 0x67
  uint32_t selectorSavedPosition;   // 0x68
  int32_t selectorLoadedPosition;   // 0x6C
  uint16_t lastPage;                // 0x70
  uint16_t entryCount;              // 0x72
  uint16_t page;                    // 0x74
  uint16_t row;                     // 0x76
  uint8_t reserved78[2];            // 0x78
  uint16_t lastPageEntries;         // 0x7A
  uint8_t reserved7C[4];            // 0x7C
  uint8_t pauseOnMenu;              // 0x80
  uint8_t throttle;                 // 0x81
  uint8_t debugger;                 // 0x82
  uint8_t disassembler;             // 0x83
  uint8_t frameskip;                // 0x84
  uint8_t rRegisterMode;            // 0x85
  uint8_t renderer;                 // 0x86
  uint8_t reserved87;               // 0x87
  uint8_t selectorSlideStep;        // 0x88
  uint8_t reserved89[3];            // 0x89
  uint8_t frameCounter;             // 0x8C
  uint8_t reserved8D[3];            // 0x8D
  ScreenGeometry geometry;          // 0x90
  uint8_t blackAndWhite;            // 0x9C
  uint8_t brightness;               // 0x9D
  uint8_t fakeScanlines;            // 0x9E
  uint8_t videoMode;                // 0x9F
  ScreenGeometry customGeometry;    // 0xA0
  uint8_t reservedAC[4];            // 0xAC
  uint32_t playBuffer;              // 0xB0  SampleBuffer DMA1 plays
  uint32_t writeBuffer;             // 0xB4  SampleBuffer the line end fills
  uint16_t samplePosition;          // 0xB8  LineIndex
  uint8_t speakerLevel;             // 0xBA
  uint8_t frameTick;                // 0xBB  0xFF once the 50 Hz tick came
  uint8_t audioEnabled;             // 0xBC
  uint8_t reservedBD[3];            // 0xBD
  uint8_t keyboardRows[8];          // 0xC0  0xFF = no key
  uint8_t kempston;                 // 0xC8
  uint8_t reservedC9[3];            // 0xC9
  uint8_t virtualKeyboardPosition;  // 0xCC
  uint8_t virtualKeyboardState[2];  // 0xCD
  uint8_t reservedCF;               // 0xCF
  uint32_t pogoSnapshot;            // 0xD0  0 in a standalone image
  uint32_t pogoControlMap;          // 0xD4
  uint8_t pogoType;                 // 0xD8  1 = .Z80, 0 = .SNA
  uint8_t reservedD9[7];            // 0xD9
  uint8_t valueGlyphs[16];          // 0xE0
  uint8_t reservedF0[11];           // 0xF0
  uint8_t showIntro;                // 0xFB
  uint32_t introCountdown;          // 0xFC
};

#define TMB_GLOBAL_AT(field, offset) \
  static_assert(offsetof(GlobalsBlock, field) == (offset), "GlobalsBlock." #field)
TMB_GLOBAL_AT(z80, 0x00);
TMB_GLOBAL_AT(controlMap, 0x50);
TMB_GLOBAL_AT(spare5A, 0x5A);
TMB_GLOBAL_AT(menuStack, 0x60);
TMB_GLOBAL_AT(frontEndMode, 0x64);
TMB_GLOBAL_AT(keyRepeat, 0x65);
TMB_GLOBAL_AT(menuSlideStep, 0x66);
TMB_GLOBAL_AT(selectorSavedPosition, 0x68);
TMB_GLOBAL_AT(selectorLoadedPosition, 0x6C);
TMB_GLOBAL_AT(lastPage, 0x70);
TMB_GLOBAL_AT(entryCount, 0x72);
TMB_GLOBAL_AT(page, 0x74);
TMB_GLOBAL_AT(row, 0x76);
TMB_GLOBAL_AT(lastPageEntries, 0x7A);
TMB_GLOBAL_AT(pauseOnMenu, 0x80);
TMB_GLOBAL_AT(throttle, 0x81);
TMB_GLOBAL_AT(debugger, 0x82);
TMB_GLOBAL_AT(disassembler, 0x83);
TMB_GLOBAL_AT(frameskip, 0x84);
TMB_GLOBAL_AT(rRegisterMode, 0x85);
TMB_GLOBAL_AT(renderer, 0x86);
TMB_GLOBAL_AT(selectorSlideStep, 0x88);
TMB_GLOBAL_AT(frameCounter, 0x8C);
TMB_GLOBAL_AT(geometry, 0x90);
TMB_GLOBAL_AT(blackAndWhite, 0x9C);
TMB_GLOBAL_AT(brightness, 0x9D);
TMB_GLOBAL_AT(fakeScanlines, 0x9E);
TMB_GLOBAL_AT(videoMode, 0x9F);
TMB_GLOBAL_AT(customGeometry, 0xA0);
TMB_GLOBAL_AT(playBuffer, 0xB0);
TMB_GLOBAL_AT(writeBuffer, 0xB4);
TMB_GLOBAL_AT(samplePosition, 0xB8);
TMB_GLOBAL_AT(speakerLevel, 0xBA);
TMB_GLOBAL_AT(frameTick, 0xBB);
TMB_GLOBAL_AT(audioEnabled, 0xBC);
TMB_GLOBAL_AT(keyboardRows, 0xC0);
TMB_GLOBAL_AT(kempston, 0xC8);
TMB_GLOBAL_AT(virtualKeyboardPosition, 0xCC);
TMB_GLOBAL_AT(virtualKeyboardState, 0xCD);
TMB_GLOBAL_AT(pogoSnapshot, 0xD0);
TMB_GLOBAL_AT(pogoControlMap, 0xD4);
TMB_GLOBAL_AT(pogoType, 0xD8);
TMB_GLOBAL_AT(valueGlyphs, 0xE0);
TMB_GLOBAL_AT(showIntro, 0xFB);
TMB_GLOBAL_AT(introCountdown, 0xFC);
#undef TMB_GLOBAL_AT
static_assert(sizeof(GlobalsBlock) == kGlobalsBlockSize, "GlobalsBlock is 256 bytes");

inline GlobalsBlock& globals() { return *gba::at<GlobalsBlock>(kGlobalsBlock); }

// Byte of the block the interrupt or the hardware may change behind the compiler's back.
inline volatile uint8_t& volatileByte(uint8_t& field) { return *const_cast<volatile uint8_t*>(&field); }

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_GLOBALS_H
