// The half-size preview for the game selector: each output tile shows 2 x 2
// cells, every second pixel line and column (pixels 1, 3, 5, 7), each half
// row coloured by its own cell. 64 tiles per third, consecutive from the target.
#include "machine/machine_tables.h"
#include "machine/screen.h"

namespace tmb {

namespace {

typedef uint16_t __attribute__((may_alias)) AliasHalfword;
__attribute__((always_inline)) inline uint32_t load16(const uint8_t* p) {
  return *reinterpret_cast<const AliasHalfword*>(p);
}

// Left cell's colour byte in the low half, right cell's in the high half.
__attribute__((always_inline)) inline uint32_t pair(uint32_t left, uint32_t right) {
  return (left | left << 8) | (right | right << 8) << 16;
}

}  // namespace

TMB_PREVIEW_RENDERER_CODE void PreviewRenderer(const uint8_t* memory, const uint8_t* colours, uint32_t* target,
                                               uint32_t third) {
  const uint16_t* const masks = PreviewMaskTable;
  const uint8_t* const paper = colours + kColourPaperOffset;
  const uint8_t* display = memory + 0x4000 + 0x800 * third;
  const uint8_t* attributes = memory + 0x5800 + 0x100 * third;
  uint32_t* out = target + 8 * 64 * third;
  for (uint32_t v = 0; v < 4; ++v) {
    for (uint32_t u = 0; u < 16; ++u) {
      for (uint32_t half = 0; half < 2; ++half) {
        const uint32_t cell = 32 * (2 * v + half) + 2 * u;
        const uint32_t aLeft = attributes[cell];
        const uint32_t aRight = attributes[cell + 1];
        const uint32_t p = pair(paper[aLeft], paper[aRight]);
        const uint32_t x = pair(colours[aLeft], colours[aRight]) ^ p;
        for (uint32_t j = 0; j < 4; ++j) {
          const uint32_t bytes = load16(display + 0x100 * (2 * j) + cell);
          const uint32_t mask = masks[bytes & 0xFF] | static_cast<uint32_t>(masks[bytes >> 8]) << 16;
          out[4 * half + j] = p ^ (mask & x);
        }
      }
      out += 8;
    }
  }
}

}  // namespace tmb
