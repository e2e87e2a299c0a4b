// The RendererSlot: one renderer at a time runs from the same IWRAM address.
// On the host both are ordinary functions and the slot is a pointer.
#include "boot/globals.h"
#include "boot/memory_map.h"
#include "machine/gba_pointer.h"
#include "machine/machine_tables.h"
#include "machine/screen.h"

#if !defined(TMB_HOST)
#include "boot/image_layout.h"
#include "gba/dma.h"
extern "C" char __renderer_slot[];
#endif

namespace tmb {

namespace {

// Where the renderer in the slot writes. Initialised data, so it is right
// from the boot's overlay copy on, when the game renderer is in the slot.
TMB_IWRAM_DATA uint32_t g_target = kGameScreenTarget;

#if defined(TMB_HOST)
Renderer g_slot = GameScreenRenderer;
Renderer slotRenderer() { return g_slot; }
#else
Renderer slotRenderer() { return reinterpret_cast<Renderer>(__renderer_slot); }
#endif

}  // namespace

TMB_IWRAM_CODE void drawScreen(uint32_t flashPhase) {
  const uint8_t* memory = block<const uint8_t>(kZ80Memory, kZ80MemorySize);
  const uint8_t* colours = ColourIndexTable + (flashPhase ? kColourFlashOffset : 0);
  const uint32_t tiles = g_target == kGameScreenTarget ? kGameScreenTiles : kPreviewTiles;
  uint32_t* target = block<uint32_t>(g_target, tiles * kTileBytes);
  const Renderer render = slotRenderer();
  for (uint32_t third = 0; third < 3; ++third) render(memory, colours, target, third);
}

void loadGameScreenRenderer() {
#if defined(TMB_HOST)
  g_slot = GameScreenRenderer;
#else
  const Overlay o = imageLayout().normalRenderer;
  gba::dma3Copy32(o.load, o.run, o.size);
#endif
  g_target = kGameScreenTarget;
}

void loadPreviewRenderer() {
#if defined(TMB_HOST)
  g_slot = PreviewRenderer;
#else
  const Overlay o = imageLayout().previewRenderer;
  gba::dma3Copy32(o.load, o.run, o.size);
#endif
  g_target = kPreviewTarget;
}

uint32_t rendererTarget() { return g_target; }

}  // namespace tmb
