#include "machine/video.h"

#include "gba/memory.h"
#include "gba/registers.h"
#include "machine/gba_pointer.h"
#include "machine/machine_tables.h"

namespace tmb {

using namespace gba;

const ScreenGeometry kVideoModeGeometry[kVideoModes - 1] = {
    {-8, 0, 256, 64, 64, 64},  // "Full Screen": columns 8-247, lines 0-159
    {0, 0, 240, 64, 64, 64},   // "Scale X"
    {0, 0, 256, 53, 53, 53},   // "Scale Y"
    {0, 0, 240, 53, 53, 53},   // "Scale X & Y"
    {0, 0, 240, 64, 64, 32},   // "Platform Genre": the bottom third at half height
};

namespace {

constexpr uint16_t kAttr0Affine = 0x0100;     // affine, normal size, 16 colours, square
constexpr uint16_t kAttr1Size64 = 0xC000;     // 64 x 64
constexpr uint16_t kAttr2Priority3 = 0x0C00;

// The menu keeps lengths within 0-256 and 0-64, but stored settings are
// trusted as they come: keep every ScaleTable index inside the table.
uint16_t scale(int32_t length) {
  if (length < 0) length = 0;
  if (length > 127) length = 127;
  return ScaleTable[length];
}

}  // namespace

uint32_t paletteBank() {
  const GlobalsBlock& g = globals();
  const uint32_t brightness = g.brightness <= 2 ? g.brightness : 0;
  return 3 * (g.blackAndWhite ? 1 : 0) + brightness;
}

void applyGeometry() {
  GlobalsBlock& g = globals();
  const ScreenGeometry& geo = g.geometry;
  volatile uint16_t* oam = block<volatile uint16_t>(OAM_BASE, OAM_SIZE);
  const int32_t w = geo.xLength / 4;  // one sprite column's displayed width
  const int32_t heights[3] = {geo.y1Length, geo.y2Length, geo.y3Length};
  const uint32_t bank = paletteBank();
  // The hardware scales about the centre of each 64 x 64 box; shifting by
  // half the shrinkage makes the columns and rows follow on from the offsets.
  int32_t top = geo.yOffset;
  for (uint32_t s = 0; s < 3; ++s) {
    const int32_t h = heights[s];
    const uint16_t y = static_cast<uint16_t>((top - (64 - h) / 2) & 0xFF);
    for (uint32_t k = 0; k < 4; ++k) {
      const int32_t x = geo.xOffset - (64 - w) / 2 + static_cast<int32_t>(k) * w;
      volatile uint16_t* entry = oam + 4 * (4 * s + k);
      entry[0] = static_cast<uint16_t>(y + kAttr0Affine);
      entry[1] = static_cast<uint16_t>((x & 0x1FF) + 512 * s + kAttr1Size64);
      entry[2] = static_cast<uint16_t>(256 * s + 8 * k + kAttr2Priority3 + 4096 * bank);
    }
    // Affine set s: PA, PB, PC, PD in the fourth halfword of entries 4s..4s+3.
    volatile uint16_t* set = oam + 16 * s + 3;
    set[0] = scale(w);
    set[4] = 0;
    set[8] = 0;
    set[12] = scale(h);
    top += h;
  }
}

void applyVideoMode() {
  GlobalsBlock& g = globals();
  // Out-of-range stored modes show the whole-width default.
  const uint8_t mode = g.videoMode < kVideoModes ? g.videoMode : 0;
  g.geometry = mode == kVideoModeCustom ? g.customGeometry : kVideoModeGeometry[mode];
  applyGeometry();
}

void configureCustom() {
  globals().videoMode = kVideoModeCustom;
  applyVideoMode();
}

void applyCustomGeometry() {
  GlobalsBlock& g = globals();
  g.geometry = g.customGeometry;
  applyGeometry();
}

void applyScanlines() {
  if (globals().fakeScanlines)
    REG_DISPCNT |= DISPCNT_BG3;
  else
    REG_DISPCNT &= static_cast<uint16_t>(~DISPCNT_BG3);
}

}  // namespace tmb
