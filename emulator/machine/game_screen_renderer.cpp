// The game screen: every cell of a third becomes one 4-bit tile. Four cells
// are done side by side, so one word read from the display file serves four
// tile rows and one word of the attributes four cells; a row is then one mask
// lookup, two logical operations and one store.
#include "machine/machine_tables.h"
#include "machine/screen.h"

namespace tmb {

namespace {

// Display file and attributes are read a word at a time: four cells.
typedef uint32_t __attribute__((may_alias)) AliasWord;
__attribute__((always_inline)) inline uint32_t load32(const uint8_t* p) { return *reinterpret_cast<const AliasWord*>(p); }

__attribute__((always_inline)) inline uint32_t spread(uint32_t colourByte) {
  colourByte |= colourByte << 8;
  return colourByte | colourByte << 16;
}

}  // namespace

TMB_GAME_RENDERER_CODE void GameScreenRenderer(const uint8_t* memory, const uint8_t* colours, uint32_t* target,
                                               uint32_t third) {
  const uint32_t* const masks = NibbleMaskTable;
  const uint8_t* display = memory + 0x4000 + 0x800 * third;
  const uint8_t* attributes = memory + 0x5800 + 0x100 * third;
  uint32_t* out = target + 8 * 256 * third;
  const uint8_t* const paper = colours + kColourPaperOffset;
  for (uint32_t group = 0; group < 64; ++group) {
    const uint32_t a = load32(attributes);
    // Row = paper ^ (mask & (ink ^ paper)): ink where the mask is set.
    const uint32_t p0 = spread(paper[a & 0xFF]);
    const uint32_t p1 = spread(paper[(a >> 8) & 0xFF]);
    const uint32_t p2 = spread(paper[(a >> 16) & 0xFF]);
    const uint32_t p3 = spread(paper[a >> 24]);
    const uint32_t x0 = spread(colours[a & 0xFF]) ^ p0;
    const uint32_t x1 = spread(colours[(a >> 8) & 0xFF]) ^ p1;
    const uint32_t x2 = spread(colours[(a >> 16) & 0xFF]) ^ p2;
    const uint32_t x3 = spread(colours[a >> 24]) ^ p3;
#pragma GCC unroll 8
    for (uint32_t line = 0; line < 8; ++line) {
      const uint32_t w = load32(display + 0x100 * line);
      out[line] = p0 ^ (masks[w & 0xFF] & x0);
      out[8 + line] = p1 ^ (masks[(w >> 8) & 0xFF] & x1);
      out[16 + line] = p2 ^ (masks[(w >> 16) & 0xFF] & x2);
      out[24 + line] = p3 ^ (masks[w >> 24] & x3);
    }
    display += 4;
    attributes += 4;
    out += 32;
  }
}

}  // namespace tmb
