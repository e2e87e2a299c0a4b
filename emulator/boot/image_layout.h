// Where the image keeps its parts: fixed by the link on the cartridge, set by
// the test in the host build.
#ifndef TAMBERLIN_BOOT_IMAGE_LAYOUT_H
#define TAMBERLIN_BOOT_IMAGE_LAYOUT_H

#include <stdint.h>

namespace tmb {

// A block of the image that runs at another address and is copied there at boot.
struct Overlay {
  uint32_t load;  // in ROM
  uint32_t run;
  uint32_t size;  // bytes, a multiple of 4
};

struct ImageLayout {
  uint32_t imageEnd;       // 0x08000000 + image length: the builder's data starts here
  uint32_t spectrumRom;    // 16,384 bytes
  uint32_t introSnapshot;  // a 48K .SNA, one fill byte after it
  Overlay core;            // IWRAM code and data
  Overlay tables;          // EWRAM tables at 0x02000000
  Overlay normalRenderer;  // RendererSlot contents while a game runs
  Overlay previewRenderer; // RendererSlot contents while the game selector is open
};

ImageLayout imageLayout();

#if defined(TMB_HOST)
void setImageLayout(const ImageLayout& layout);
#endif

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_IMAGE_LAYOUT_H
