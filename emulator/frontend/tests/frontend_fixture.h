// A host twin laid out like a cartridge: an "image" of kImageSize bytes with
// the builder's data behind it, a recognisable ROM in the Z80 address space
// and a guard pattern over every other byte of EWRAM and IWRAM, so a test can
// tell that a loader wrote Z80 RAM and nothing else.
#ifndef TAMBERLIN_FRONTEND_TESTS_FRONTEND_FIXTURE_H
#define TAMBERLIN_FRONTEND_TESTS_FRONTEND_FIXTURE_H

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "boot/globals.h"
#include "boot/image_layout.h"
#include "boot/memory_map.h"
#include "gba/host/host_twin.h"
#include "z80/z80_tables.h"

namespace tmb::test {

constexpr uint32_t kImageSize = 0x1000;
constexpr uint32_t kImageEnd = gba::ROM_BASE + kImageSize;
// Cartridge bytes behind a placed file: a loader may read far past the end of
// a truncated file (the v2/v3 budgets reach about 200 KB); that must stay
// harmless, and in the twin it must stay inside the ROM array.
constexpr uint32_t kReadSlack = 0x40000;

inline std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline uint8_t* z80Memory() { return gba::host::bytes(kZ80Memory, kZ80MemorySize); }
inline uint8_t z80Byte(uint32_t address) { return z80Memory()[address]; }

class FrontendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gba::host::resetTwin();
    gba::host::Regions& r = gba::host::regions();
    std::mt19937 rng(7);
    for (uint8_t& b : r.ewram) b = static_cast<uint8_t>(rng());
    for (uint8_t& b : r.iwram) b = static_cast<uint8_t>(rng());
    std::memset(&globals(), 0, sizeof(GlobalsBlock));
    rememberMemory();
    ImageLayout layout{};
    layout.imageEnd = kImageEnd;
    setImageLayout(layout);
    r.rom.assign(kImageSize, 0xA5);
  }

  // Appends bytes behind the image (at the image end first); returns their address.
  uint32_t append(const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t>& rom = gba::host::regions().rom;
    const uint32_t address = gba::ROM_BASE + static_cast<uint32_t>(rom.size());
    rom.insert(rom.end(), bytes.begin(), bytes.end());
    return address;
  }
  // A file to load, with random cartridge bytes behind it.
  uint32_t place(const std::vector<uint8_t>& file, uint32_t seed = 1) {
    const uint32_t address = append(file);
    std::mt19937 rng(seed);
    std::vector<uint8_t> behind(kReadSlack);
    for (uint8_t& b : behind) b = static_cast<uint8_t>(rng());
    append(behind);
    return address;
  }

  // The guard pattern to compare against: memory as it is now.
  void rememberMemory() {
    std::memcpy(ewramBefore_, gba::host::regions().ewram, sizeof ewramBefore_);
    std::memcpy(iwramBefore_, gba::host::regions().iwram, sizeof iwramBefore_);
  }

  // Every EWRAM byte outside Z80 RAM and every IWRAM byte outside the loader's
  // fields of the GlobalsBlock still holds the guard pattern.
  void expectOnlyLoaderStateChanged() {
    const gba::host::Regions& r = gba::host::regions();
    const uint32_t ramFrom = kZ80Memory + 0x4000 - gba::EWRAM_BASE;
    const uint32_t ramTo = kZ80Memory + 0x10000 - gba::EWRAM_BASE;
    uint32_t changed = 0;
    for (uint32_t i = 0; i < sizeof r.ewram; ++i) {
      if (i >= ramFrom && i < ramTo) continue;
      if (r.ewram[i] != ewramBefore_[i] && changed++ < 5) ADD_FAILURE() << "EWRAM written at 0x" << std::hex << gba::EWRAM_BASE + i;
    }
    for (uint32_t i = 0; i < sizeof r.iwram; ++i) {
      if (loaderField(i)) continue;
      if (r.iwram[i] != iwramBefore_[i] && changed++ < 5) ADD_FAILURE() << "IWRAM written at 0x" << std::hex << gba::IWRAM_BASE + i;
    }
    EXPECT_EQ(changed, 0u);
  }

  uint8_t romByteBefore(uint32_t address) const { return ewramBefore_[kZ80Memory - gba::EWRAM_BASE + address]; }

  GlobalsBlock& g = globals();
  Z80StateRecord& z = globals().z80;

 private:
  // Registers (not the core's machine words), the TStateCounter and the sample position.
  static bool loaderField(uint32_t i) {
    if (i < 0x24) return true;
    if (i >= 0x28 && i < 0x2C) return true;
    if (i >= 0x30 && i < 0x4C) return true;
    return i == 0xB8 || i == 0xB9;
  }
  uint8_t ewramBefore_[0x40000];
  uint8_t iwramBefore_[0x8000];
};

}  // namespace tmb::test

#endif  // TAMBERLIN_FRONTEND_TESTS_FRONTEND_FIXTURE_H
