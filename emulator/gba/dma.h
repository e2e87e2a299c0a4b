// DMA channel 3 copies, the boot's way of moving overlays and data.
#ifndef TAMBERLIN_GBA_DMA_H
#define TAMBERLIN_GBA_DMA_H

#include <stdint.h>

namespace gba {

// Copies `bytes` (a multiple of 4) from src to dst in 32-bit units; returns when done.
void dma3Copy32(uint32_t src, uint32_t dst, uint32_t bytes);

}  // namespace gba

#endif  // TAMBERLIN_GBA_DMA_H
