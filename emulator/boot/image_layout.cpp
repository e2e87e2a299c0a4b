// Cartridge build: the layout is what the linker script placed.
#include "boot/image_layout.h"

extern "C" {
extern const char __image_end[];
extern const char SpectrumRom[];
extern const char IntroSnapshot[];
extern const char __iwram_load[], __iwram_start[], __iwram_end[];
extern const char __ewram_load[], __ewram_start[], __ewram_end[];
extern const char __renderer_slot[];
extern const char __renderer_normal_load[], __renderer_normal_end[];
extern const char __renderer_preview_load[], __renderer_preview_end[];
}

namespace tmb {

namespace {
uint32_t addr(const char* p) { return reinterpret_cast<uint32_t>(p); }
}  // namespace

// Computed on each call: the boot uses it before any static data exists.
ImageLayout imageLayout() {
  return {
      addr(__image_end),
      addr(SpectrumRom),
      addr(IntroSnapshot),
      {addr(__iwram_load), addr(__iwram_start), addr(__iwram_end) - addr(__iwram_start)},
      {addr(__ewram_load), addr(__ewram_start), addr(__ewram_end) - addr(__ewram_start)},
      {addr(__renderer_normal_load), addr(__renderer_slot), addr(__renderer_normal_end) - addr(__renderer_slot)},
      {addr(__renderer_preview_load), addr(__renderer_slot), addr(__renderer_preview_end) - addr(__renderer_slot)},
  };
}

}  // namespace tmb
