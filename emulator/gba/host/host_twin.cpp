#include "gba/host/host_twin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gba/bios.h"
#include "gba/dma.h"
#include "gba/memory.h"

namespace gba::host {

namespace {
Regions* g_regions = new Regions();
BiosLog g_bios;

struct Span {
  uint32_t base;
  uint32_t size;
  uint8_t* data;
};
}  // namespace

Regions& regions() { return *g_regions; }
BiosLog& bios() { return g_bios; }

void resetTwin() {
  Regions& r = regions();
  std::memset(r.ewram, 0, sizeof r.ewram);
  std::memset(r.iwram, 0, sizeof r.iwram);
  std::memset(r.io, 0, sizeof r.io);
  std::memset(r.palette, 0, sizeof r.palette);
  std::memset(r.vram, 0, sizeof r.vram);
  std::memset(r.oam, 0, sizeof r.oam);
  std::memset(r.sram, 0xFF, sizeof r.sram);
  r.rom.clear();
  g_bios = BiosLog{};
}

uint8_t* bytes(uint32_t address, size_t size) {
  Regions& r = regions();
  const Span spans[] = {
      {EWRAM_BASE, EWRAM_SIZE, r.ewram}, {IWRAM_BASE, IWRAM_SIZE, r.iwram},
      {IO_BASE, IO_SIZE, r.io},          {PALETTE_BASE, PALETTE_SIZE, r.palette},
      {VRAM_BASE, VRAM_SIZE, r.vram},    {OAM_BASE, OAM_SIZE, r.oam},
      {SRAM_BASE, SRAM_SIZE, r.sram},
      {ROM_BASE, static_cast<uint32_t>(r.rom.size()), r.rom.data()},
  };
  for (const Span& s : spans) {
    if (address >= s.base && address - s.base + size <= s.size) return s.data + (address - s.base);
  }
  std::fprintf(stderr, "host twin: access to unmapped 0x%08X (%zu bytes)\n", address, size);
  std::abort();
}

uint16_t io16(uint32_t address) {
  uint16_t v;
  std::memcpy(&v, bytes(address, 2), 2);
  return v;
}

uint32_t io32(uint32_t address) {
  uint32_t v;
  std::memcpy(&v, bytes(address, 4), 4);
  return v;
}

}  // namespace gba::host

namespace gba {

void* hostAddress(uint32_t address, size_t size) { return host::bytes(address, size); }

void dma3Copy32(uint32_t src, uint32_t dst, uint32_t bytes) {
  if (bytes == 0) return;
  std::memmove(host::bytes(dst, bytes), host::bytes(src, bytes), bytes);
}

void registerRamReset(uint32_t flags) {
  host::bios().registerRamResets++;
  host::bios().lastRamResetFlags = flags;
}

void softReset() {
  host::bios().softResets++;
  throw host::SoftResetCalled{};
}

}  // namespace gba
