#include "frontend/exit_to_pogoshell.h"

#include "boot/settings.h"

#if defined(TMB_HOST)
#include "gba/bios.h"
#include "gba/registers.h"
#endif

namespace tmb {

namespace {

constexpr uint32_t kDma0CntH = 0x040000BA;
constexpr uint32_t kDma1CntH = 0x040000C6;
constexpr uint32_t kDma2CntH = 0x040000D2;
constexpr uint32_t kDma3CntH = 0x040000DE;
constexpr uint32_t kIme = 0x04000208;

// Everything below must compile into the IWRAM routine itself: no call may
// leave for ROM once the first cartridge store has been made.
#if defined(TMB_HOST)
std::vector<CartStore> g_cartStores;
void ioStore16(uint32_t address, uint16_t value) { *gba::at<volatile uint16_t>(address) = value; }
void cartStore16(uint32_t address, uint16_t value) { g_cartStores.push_back({address, value}); }
#else
__attribute__((always_inline)) inline void ioStore16(uint32_t address, uint16_t value) {
  *reinterpret_cast<volatile uint16_t*>(address) = value;
}
__attribute__((always_inline)) inline void cartStore16(uint32_t address, uint16_t value) {
  *reinterpret_cast<volatile uint16_t*>(address) = value;
}
#endif

__attribute__((always_inline)) inline void repeatStore16(uint32_t address, uint16_t value) {
  for (uint32_t i = 0; i < kExitRepeat; ++i) cartStore16(address, value);
}

}  // namespace

#if defined(TMB_HOST)
std::vector<CartStore>& recordedCartStores() { return g_cartStores; }
#endif

TMB_IWRAM_CODE void exitSequence() {
  ioStore16(kDma0CntH, 0);
  ioStore16(kDma1CntH, 0);
  ioStore16(kDma2CntH, 0);
  ioStore16(kDma3CntH, 0);
  ioStore16(kIme, 0);

  cartStore16(0x0930ECA8, 0x5354);
  repeatStore16(0x0802468A, 0x1234);
  cartStore16(0x0802468A, 0x5354);
  repeatStore16(0x0802468A, 0x5678);
  cartStore16(0x0930ECA8, 0x5354);
  cartStore16(0x0802468A, 0x5354);
  cartStore16(0x08ECA800, 0x5678);
  cartStore16(0x080268A0, 0x1234);
  repeatStore16(0x0802468A, 0xABCD);
  cartStore16(0x0930ECA8, 0x5354);
  cartStore16(0x096B592E, 0);

#if defined(TMB_HOST)
  gba::registerRamReset(0);
  gba::softReset();
#else
  // The BIOS calls inline: the wrappers live in ROM, which is no longer ours.
  asm volatile(
      "mov r0, #0\n\t"
      "swi 0x010000\n\t"  // RegisterRamReset
      "swi 0x000000\n\t"  // SoftReset
      ::: "r0", "r1", "r2", "r3", "memory");
  for (;;) {
  }
#endif
}

void exitToPogoshell() {
  saveSettings();
  exitSequence();
}

}  // namespace tmb
