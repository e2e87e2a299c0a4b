// Lookup tables of the screen, generated at build time by tools/machinetables.
#ifndef TAMBERLIN_MACHINE_TABLES_H
#define TAMBERLIN_MACHINE_TABLES_H

#include <stdint.h>

#include "machine/machine_sections.h"

namespace tmb {

// Entry b: nibble x is 0xF exactly when bit 7 - x of b is set, so a display
// byte becomes the pixel mask of one 4-bit tile row (pixel 0 leftmost).
extern const uint32_t NibbleMaskTable[256];

// Colour index bytes with both nibbles equal: ink of attribute a at a, paper
// at 256 + a, and the ink of attributes 0x80-0xFF again at 512 - 639. Read
// from byte 128 in the second flash phase, flashing cells swap ink and paper.
extern const uint8_t ColourIndexTable[640];
constexpr uint32_t kColourPaperOffset = 256;
constexpr uint32_t kColourFlashOffset = 128;

// The half-size preview's mask: entry b has nibble x set when pixel 2x + 1 of
// the display byte b is ink. Lives inside the preview renderer.
extern const uint16_t PreviewMaskTable[256];

// Entry n: 0x4000 / n (0x4000 for 0 and 1), the 8.8 affine step that fits 64
// sprite pixels into n screen pixels.
extern const uint16_t ScaleTable[128];

// Six banks of 16 BGR555 colours: colour "Normal", "Bright", "Dark", then
// the same as greys. Index 0 transparent, 1-7 normal, 8 black, 9-15 bright.
extern const uint16_t SpectrumPalettes[96];

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_TABLES_H
