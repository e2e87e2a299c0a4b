// The six 16-colour Spectrum palettes (colour and grey, at normal, bright and
// dark intensity). Index 0 is transparent, 1-7 the normal colours, 8 black,
// 9-15 the bright colours.
#ifndef TAMBERLIN_DATA_SPECTRUM_PALETTES_H
#define TAMBERLIN_DATA_SPECTRUM_PALETTES_H

#include <stdint.h>

namespace tmb {

constexpr uint32_t kSpectrumPaletteColours = 96;
extern const uint16_t kSpectrumPalettes[kSpectrumPaletteColours];

}  // namespace tmb

#endif  // TAMBERLIN_DATA_SPECTRUM_PALETTES_H
