// The Spectrum screen on the GBA: 768 OBJ tiles shown by twelve 64 x 64
// affine sprites, drawn by whichever renderer is in the RendererSlot.
#ifndef TAMBERLIN_MACHINE_SCREEN_H
#define TAMBERLIN_MACHINE_SCREEN_H

#include <stdint.h>

#include "gba/attributes.h"

namespace tmb {

constexpr uint32_t kGameScreenTarget = 0x06010000;  // OBJ tile 0
constexpr uint32_t kPreviewTarget = 0x06004020;     // BG tile 513
constexpr uint32_t kGameScreenTiles = 768;
constexpr uint32_t kPreviewTiles = 192;
constexpr uint32_t kTileBytes = 32;

// One call draws one third (0-2) of the screen: Z80 memory, the
// ColourIndexTable from byte 0 or 128 (flash phase), the renderer target.
using Renderer = void (*)(const uint8_t* memory, const uint8_t* colours, uint32_t* target, uint32_t third);

// The two renderers. On the GBA each is linked to run in the RendererSlot and
// is only callable there, through drawScreen.
void GameScreenRenderer(const uint8_t* memory, const uint8_t* colours, uint32_t* target, uint32_t third);
void PreviewRenderer(const uint8_t* memory, const uint8_t* colours, uint32_t* target, uint32_t third);

// Runs the renderer in the slot over the three thirds, top to bottom.
void drawScreen(uint32_t flashPhase);

// Copy a renderer into the RendererSlot and aim it at its tiles.
TMB_LONG_CALL void loadGameScreenRenderer();
TMB_LONG_CALL void loadPreviewRenderer();
uint32_t rendererTarget();

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_SCREEN_H
