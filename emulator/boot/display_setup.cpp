#include "boot/display_setup.h"

#include "boot/globals.h"
#include "boot/interrupt.h"
#include "boot/later.h"
#include "boot/memory_map.h"
#include "data/menu_art.h"
#include "data/spectrum_palettes.h"
#include "gba/registers.h"

namespace tmb {

using namespace gba;

namespace {

// Video memory takes no byte writes: copy in halfwords.
void copy16(const void* src, uint32_t dst, uint32_t count) {
  const uint16_t* s = static_cast<const uint16_t*>(src);
  volatile uint16_t* d = at<volatile uint16_t>(dst);
  for (uint32_t i = 0; i < count; ++i) d[i] = s[i];
}

void fill16(uint16_t value, uint32_t dst, uint32_t count) {
  volatile uint16_t* d = at<volatile uint16_t>(dst);
  for (uint32_t i = 0; i < count; ++i) d[i] = value;
}

constexpr uint16_t kScanlineEntry = 0x203F;      // tile 63, palette 2
constexpr uint16_t kHiddenSpriteAttr2 = 0x0FFF;  // last tile, priority 3, bank 0
constexpr uint32_t kSprites = 128;

constexpr uint16_t kBg0Menu = 0x9A00;             // map 0xD000, 64x32
constexpr uint16_t kBg1StatusLine = 0x5C00;       // map 0xE000
constexpr uint16_t kBg2PreviewPanel = 0x1800;     // map 0xC000
constexpr uint16_t kBg2VirtualKeyboard = 0x1700;  // map 0xB800
constexpr uint16_t kBg3Scanlines = 0x1900;        // map 0xC800

}  // namespace

void setUpDisplay() {
  GlobalsBlock& g = globals();
  copy16(kSpectrumPalettes, PALETTE_OBJ, kSpectrumPaletteColours);
  copy16(kMenuPalette, PALETTE_BG, kMenuPaletteColours);
  // Banks 8-13 again, for the game selector's preview.
  copy16(kSpectrumPalettes, PALETTE_BG + 8 * 32, kSpectrumPaletteColours);
  copy16(kMenuTiles, kMenuTileBase, kMenuTileBytes / 2);
  copy16(kMenuPanelMap, tmb::kMenuPanelMapBase, kMenuPanelMapEntries);
  copy16(kStatusLineMap, tmb::kStatusLineMapBase, kStatusLineMapEntries);
  copy16(kPreviewPanelMap, tmb::kPreviewPanelMapBase, kPreviewPanelMapEntries);
  copy16(kVirtualKeyboardMap, tmb::kVirtualKeyboardMapBase, kVirtualKeyboardMapEntries);
  fill16(kScanlineEntry, kScanlineMap, 1024);

  volatile uint16_t* oam = at<volatile uint16_t>(OAM_BASE);
  for (uint32_t i = 0; i < kSprites; ++i) oam[i * 4 + 2] = kHiddenSpriteAttr2;
  applyVideoMode();

  bool keyboard = g.virtualKeyboardPosition != 0;
  uint16_t dispcnt = DISPCNT_MODE0 | DISPCNT_BG0 | DISPCNT_BG1 | DISPCNT_OBJ | DISPCNT_WIN0;
  if (keyboard) dispcnt |= DISPCNT_BG2;
  REG_DISPCNT = dispcnt;
  REG_BG0CNT = kBg0Menu;
  REG_BG1CNT = kBg1StatusLine;
  REG_BG2CNT = keyboard ? kBg2VirtualKeyboard : kBg2PreviewPanel;
  REG_BG3CNT = kBg3Scanlines;
  REG_BG0VOFS = 160;  // menu panel below the screen
  REG_BG0HOFS = 16;
  REG_BG1HOFS = 0xFF3F;  // status line off to the side
  REG_BG2HOFS = 160;
  REG_BLDCNT = 0x1048;  // BG3 blended over the sprites
  REG_BLDALPHA = 0x0B00;
  REG_WININ = 0x3F;
  REG_WINOUT = 0x3B;
  REG_WIN0H = 0x00FF;
  if (g.fakeScanlines) REG_DISPCNT |= DISPCNT_BG3;
}

void setUpTimersSoundAndInterrupt() {
  GlobalsBlock& g = globals();
  REG_TM0CNT_L = 0xFBE8;  // 1,048 cycles: 16,008.8 samples per second
  REG_TM0CNT_H = TM_ENABLE;
  REG_TM1CNT_L = 0xFEC0;  // 320 samples: 50.03 frames per second
  REG_TM1CNT_H = TM_ENABLE | TM_IRQ | TM_CASCADE;

  g.playBuffer = kSampleBuffer0;
  g.writeBuffer = kSampleBuffer1;
  REG_DMA1SAD = kSampleBuffer0;
  REG_DMA1DAD = FIFO_A;
  REG_DMA1CNT_H = DMA_SOUND_FIFO;

  // The master enable goes first: while it is off the hardware ignores writes
  // to SOUNDCNT_L.
  REG_SOUNDCNT_X = static_cast<uint16_t>(g.audioEnabled * SOUNDCNT_X_ENABLE);
  REG_SOUNDCNT_L = 0x0077;
  REG_SOUNDCNT_H = 0xCB0E;  // FIFO A on both sides from timer 0, reset

  *at<volatile uint32_t>(BIOS_IRQ_VECTOR) = timerInterruptAddress();
  REG_IE = IRQ_TIMER1;
  REG_IME = 1;
}

}  // namespace tmb
