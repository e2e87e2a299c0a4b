// The renderers against a pixel-by-pixel model of the Spectrum screen written
// from the display file's own layout, plus the cells the colour rules single out.
#include <random>

#include "machine/machine_tables.h"
#include "machine/screen.h"
#include "machine_fixture.h"
#if defined(TMB_FRONT_END_PALETTES)
#include "data/spectrum_palettes.h"
#endif

namespace tmb {
namespace {

// Spectrum pixel (x, y): its colour index as the GBA palette numbers it.
uint32_t spectrumPixel(const uint8_t* mem, int x, int y, int flashPhase) {
  const uint8_t byte = mem[0x4000 + (y / 64) * 0x800 + (y % 8) * 0x100 + ((y / 8) % 8) * 0x20 + x / 8];
  const uint8_t attr = mem[0x5800 + (y / 8) * 32 + x / 8];
  bool ink = (byte >> (7 - x % 8)) & 1;
  if ((attr & 0x80) && flashPhase) ink = !ink;
  const int colour = ink ? attr & 7 : (attr >> 3) & 7;
  const int bright = (attr >> 6) & 1;
  return colour == 0 ? 8 : colour + 8 * bright;
}

// Pixel (x, y) of a run of 4-bit tiles laid out `columns` tiles per row.
uint32_t tilePixel(const uint8_t* tiles, int columns, int x, int y) {
  const uint8_t* tile = tiles + 32 * ((y / 8) * columns + x / 8);
  const uint8_t b = tile[4 * (y % 8) + (x % 8) / 2];
  return (x % 2) ? b >> 4 : b & 0xF;
}

class RendererTest : public test::MachineTest {
 protected:
  void fillRandom(uint32_t seed) {
    std::mt19937 rng(seed);
    uint8_t* mem = test::z80Memory();
    for (int i = 0x4000; i < 0x5B00; ++i) mem[i] = static_cast<uint8_t>(rng());
  }
  void setCell(int row, int column, uint8_t attr, uint8_t pattern) {
    uint8_t* mem = test::z80Memory();
    mem[0x5800 + 32 * row + column] = attr;
    for (int l = 0; l < 8; ++l) mem[0x4000 + (row / 8) * 0x800 + l * 0x100 + (row % 8) * 32 + column] = pattern;
  }
};

TEST_F(RendererTest, GameScreenMatchesEverySpectrumPixelInBothFlashPhases) {
  fillRandom(1);
  const uint8_t* mem = test::z80Memory();
  for (int phase = 0; phase < 2; ++phase) {
    drawScreen(phase);
    const uint8_t* tiles = test::vram(kGameScreenTarget, 768 * 32);
    int wrong = 0;
    for (int y = 0; y < 192; ++y)
      for (int x = 0; x < 256; ++x)
        if (tilePixel(tiles, 32, x, y) != spectrumPixel(mem, x, y, phase) && ++wrong < 5)
          ADD_FAILURE() << "phase " << phase << " pixel " << x << "," << y;
    EXPECT_EQ(wrong, 0);
  }
}

struct CellCase {
  uint8_t attr;
  uint8_t pattern;
  int phase;
  uint32_t row;  // nibble 0 is the leftmost pixel
};

TEST_F(RendererTest, ColourRulesOfSingleCells) {
  const CellCase cases[] = {
      {0x00, 0xF0, 0, 0x88888888},  // black ink on black paper, bright or not
      {0x40, 0x0F, 0, 0x88888888},
      {0x47, 0xF0, 0, 0x8888FFFF},  // bright white ink, black paper
      {0x47, 0xF0, 1, 0x8888FFFF},  // no flash bit: phase changes nothing
      {0xB8, 0xF0, 0, 0x77778888},  // flash: ink black on white paper...
      {0xB8, 0xF0, 1, 0x88887777},  // ...then swapped
      {0x39, 0x80, 0, 0x77777771},  // pixel 0 is bit 7
      {0xD7, 0x01, 1, 0xAFFFFFFF},  // bright flash white ink on red paper, phase 1
  };
  for (const CellCase& c : cases) {
    setCell(9, 5, c.attr, c.pattern);
    drawScreen(c.phase);
    for (uint32_t l = 0; l < 8; ++l)
      EXPECT_EQ(test::tileWord(32 * 9 + 5, l), c.row) << std::hex << "attr 0x" << int(c.attr) << " phase " << c.phase;
  }
}

TEST_F(RendererTest, PreviewSamplesEverySecondPixelWithItsOwnCellColours) {
  fillRandom(2);
  const uint8_t* mem = test::z80Memory();
  loadPreviewRenderer();
  EXPECT_EQ(rendererTarget(), kPreviewTarget);
  for (int phase = 0; phase < 2; ++phase) {
    drawScreen(phase);
    const uint8_t* tiles = test::vram(kPreviewTarget, 192 * 32);
    int wrong = 0;
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 128; ++x)
        if (tilePixel(tiles, 16, x, y) != spectrumPixel(mem, 2 * x + 1, 2 * y, phase) && ++wrong < 5)
          ADD_FAILURE() << "phase " << phase << " preview pixel " << x << "," << y;
    EXPECT_EQ(wrong, 0);
  }
  // Nothing beyond the 192 tiles, and the game tiles left alone.
  EXPECT_EQ(*test::vram(kPreviewTarget + 192 * 32, 1), 0);
  EXPECT_EQ(test::tileWord(0, 0), 0u);
  loadGameScreenRenderer();
  EXPECT_EQ(rendererTarget(), kGameScreenTarget);
}

TEST_F(RendererTest, PreviewOfOddColumnsAllPaperShowsOnlyPaper) {
  uint8_t* mem = test::z80Memory();
  for (int i = 0x4000; i < 0x5800; ++i) mem[i] = 0xAA;  // ink only on even pixels
  for (int i = 0x5800; i < 0x5B00; ++i) mem[i] = 0x0A;  // paper blue, ink red
  loadPreviewRenderer();
  drawScreen(0);
  const uint8_t* tiles = test::vram(kPreviewTarget, 192 * 32);
  for (int i = 0; i < 192 * 32; ++i) ASSERT_EQ(tiles[i], 0x11) << i;
}

TEST(MachineTables, ScaleTableAndPalettesAsTheBootLoadsThem) {
  EXPECT_EQ(ScaleTable[0], 0x4000);
  EXPECT_EQ(ScaleTable[1], 0x4000);
  EXPECT_EQ(ScaleTable[2], 0x2000);
  EXPECT_EQ(ScaleTable[53], 0x135);
  EXPECT_EQ(ScaleTable[60], 0x111);
  EXPECT_EQ(ScaleTable[64], 0x100);
  EXPECT_EQ(ScaleTable[127], 0x81);
  // Six banks in the order colour/grey x normal/bright/dark; spot values.
  const struct { int index; uint16_t colour; } spots[] = {
      {0, 0x0000}, {1, 0x6000}, {7, 0x6318}, {8, 0x0000}, {15, 0x7FFF}, {17, 0x7000}, {34, 0x0010},
      {39, 0x4210}, {49, 0x1CE7}, {51, 0x3DEF}, {59, 0x7BDE}, {67, 0x4A52}, {75, 0x7FFF}, {81, 0x14A5},
      {83, 0x294A}, {86, 0x294A}, {91, 0x5294}, {95, 0x7FFF},
  };
  for (const auto& s : spots) EXPECT_EQ(SpectrumPalettes[s.index], s.colour) << "colour " << s.index;
#if defined(TMB_FRONT_END_PALETTES)
  // The boot's own copy of the palettes must not drift from the generated one.
  for (uint32_t i = 0; i < kSpectrumPaletteColours; ++i)
    EXPECT_EQ(SpectrumPalettes[i], kSpectrumPalettes[i]) << "colour " << i;
#endif
}

}  // namespace
}  // namespace tmb
