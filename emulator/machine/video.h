// Fitting the screen: the six video modes, the custom geometry, the palette
// bank and the scanline layer. All of it is prepared when a setting changes;
// drawing never touches OAM.
#ifndef TAMBERLIN_MACHINE_VIDEO_H
#define TAMBERLIN_MACHINE_VIDEO_H

#include <stdint.h>

#include "boot/globals.h"

namespace tmb {

constexpr uint32_t kVideoModes = 6;
constexpr uint8_t kVideoModeCustom = 5;
constexpr uint32_t kScreenSprites = 12;

// "Full Screen", "Scale X", "Scale Y", "Scale X & Y", "Platform Genre"; the
// custom mode's row is the CustomGeometry.
extern const ScreenGeometry kVideoModeGeometry[kVideoModes - 1];

// 3 x "Black & White" + brightness.
uint32_t paletteBank();

// Mode's geometry into ScreenGeometry, then apply geometry.
void applyVideoMode();
// "Configure Custom": the custom mode, applied.
void configureCustom();
// CustomGeometry into ScreenGeometry, then apply geometry.
void applyCustomGeometry();
// The twelve ScreenSprites and their three affine sets from ScreenGeometry
// and the palette bank.
void applyGeometry();
// "Fake Scanlines": BG3 shown or hidden.
void applyScanlines();

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_VIDEO_H
