#include "gba/dma.h"

#include "gba/registers.h"

namespace gba {

void dma3Copy32(uint32_t src, uint32_t dst, uint32_t bytes) {
  // One transfer moves at most 0x4000 words; the CPU is held until each is done.
  constexpr uint32_t kChunk = 0x4000 * 4;
  while (bytes != 0) {
    uint32_t n = bytes < kChunk ? bytes : kChunk;
    REG_DMA3SAD = src;
    REG_DMA3DAD = dst;
    REG_DMA3CNT_L = static_cast<uint16_t>(n / 4);
    REG_DMA3CNT_H = DMA_ENABLE | DMA_32BIT;
    src += n;
    dst += n;
    bytes -= n;
  }
}

}  // namespace gba
