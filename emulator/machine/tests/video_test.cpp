// Sprite attributes and affine sets for every video mode, and the palette bank.
#include "machine/video.h"

#include "gba/registers.h"
#include "machine_fixture.h"

namespace tmb {
namespace {

uint16_t oam16(uint32_t index) { return gba::host::io16(gba::OAM_BASE + 2 * index); }
uint16_t attr(uint32_t sprite, uint32_t n) { return oam16(4 * sprite + n); }
uint16_t affine(uint32_t set, uint32_t n) { return oam16(16 * set + 4 * n + 3); }

struct ModeCase {
  const char* name;
  uint8_t mode;
  ScreenGeometry custom;
  uint16_t y[3];      // attribute 0 of sprite rows 0-2 (without the affine bit)
  uint16_t x[4];      // attribute 1 of columns 0-3 in row 0 (position only)
  uint16_t pa;
  uint16_t pd[3];
};

const ModeCase kModes[] = {
    {"Full Screen", 0, {}, {0, 64, 128}, {504, 56, 120, 184}, 0x100, {0x100, 0x100, 0x100}},
    {"Scale X", 1, {}, {0, 64, 128}, {510, 58, 118, 178}, 0x111, {0x100, 0x100, 0x100}},
    {"Scale Y", 2, {}, {251, 48, 101}, {0, 64, 128, 192}, 0x100, {0x135, 0x135, 0x135}},
    {"Scale X & Y", 3, {}, {251, 48, 101}, {510, 58, 118, 178}, 0x111, {0x135, 0x135, 0x135}},
    {"Platform Genre", 4, {}, {0, 64, 112}, {510, 58, 118, 178}, 0x111, {0x100, 0x100, 0x200}},
    {"Custom, first third off the top", 5, {0, -64, 256, 64, 64, 64}, {192, 0, 64}, {0, 64, 128, 192},
     0x100, {0x100, 0x100, 0x100}},
    {"Custom, first third collapsed", 5, {4, 0, 128, 0, 64, 32}, {224, 0, 48}, {500, 20, 52, 84}, 0x200,
     {0x4000, 0x100, 0x200}},
};

using VideoTest = test::MachineTest;

TEST_F(VideoTest, EveryModeLaysOutTheTwelveSprites) {
  for (const ModeCase& m : kModes) {
    g.videoMode = m.mode;
    g.customGeometry = m.custom;
    applyVideoMode();
    for (uint32_t s = 0; s < 3; ++s) {
      for (uint32_t k = 0; k < 4; ++k) {
        const uint32_t sprite = 4 * s + k;
        EXPECT_EQ(attr(sprite, 0), 0x0100 + m.y[s]) << m.name << " sprite " << sprite;
        // Columns share one x across rows; each row has its own affine set.
        EXPECT_EQ(attr(sprite, 1), 0xC000 + 512 * s + m.x[k]) << m.name << " sprite " << sprite;
        EXPECT_EQ(attr(sprite, 2), 0x0C00 + 256 * s + 8 * k) << m.name << " sprite " << sprite;
      }
      EXPECT_EQ(affine(s, 0), m.pa) << m.name << " PA " << s;
      EXPECT_EQ(affine(s, 1), 0) << m.name;
      EXPECT_EQ(affine(s, 2), 0) << m.name;
      EXPECT_EQ(affine(s, 3), m.pd[s]) << m.name << " PD " << s;
    }
  }
}

TEST_F(VideoTest, CustomEditsFollowAndModesKeepTheirOwnRows) {
  g.customGeometry = {10, 20, 240, 60, 60, 60};
  configureCustom();
  EXPECT_EQ(g.videoMode, kVideoModeCustom);
  EXPECT_EQ(g.geometry.xOffset, 10);
  g.customGeometry.y1Length = 40;
  applyCustomGeometry();
  EXPECT_EQ(attr(0, 0), 0x0100 + 20 - 12);  // yo - (64 - 40) / 2
  EXPECT_EQ(affine(0, 3), 0x199);           // 0x4000 / 40
  g.videoMode = 9;  // a stored mode out of range: the full-screen layout
  applyVideoMode();
  EXPECT_EQ(g.geometry.xOffset, -8);
  EXPECT_EQ(attr(0, 1), 0xC000 + 504);
}

TEST_F(VideoTest, PaletteBankFromBlackAndWhiteAndBrightness) {
  g.videoMode = 0;
  const struct { uint8_t bw, brightness; uint32_t bank; } cases[] = {
      {0, 0, 0}, {0, 1, 1}, {0, 2, 2}, {1, 0, 3}, {1, 1, 4}, {1, 2, 5}, {0, 7, 0}, {3, 1, 4},
  };
  for (const auto& c : cases) {
    g.blackAndWhite = c.bw;
    g.brightness = c.brightness;
    applyGeometry();
    EXPECT_EQ(paletteBank(), c.bank);
    for (uint32_t sprite = 0; sprite < 12; ++sprite)
      EXPECT_EQ(attr(sprite, 2) >> 12, c.bank) << "sprite " << sprite;
    EXPECT_EQ(attr(11, 2) & 0x0FFF, 0x0C00 + 512 + 24);
  }
}

TEST_F(VideoTest, ScanlinesShowAndHideBg3Only) {
  gba::REG_DISPCNT = 0x3300;
  g.fakeScanlines = 1;
  applyScanlines();
  EXPECT_EQ(gba::host::io16(gba::REG_DISPCNT.address), 0x3B00);
  g.fakeScanlines = 0;
  applyScanlines();
  EXPECT_EQ(gba::host::io16(gba::REG_DISPCNT.address), 0x3300);
}

}  // namespace
}  // namespace tmb
