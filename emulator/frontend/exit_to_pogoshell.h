// "Exit to Pogoshell": save the settings, then the flash cartridge's return
// sequence from IWRAM (the cartridge is remapped under it) and a BIOS restart
// into whatever the cartridge then maps at 0x08000000.
#ifndef TAMBERLIN_FRONTEND_EXIT_TO_POGOSHELL_H
#define TAMBERLIN_FRONTEND_EXIT_TO_POGOSHELL_H

#include <stdint.h>

#include "gba/attributes.h"

#if defined(TMB_HOST)
#include <vector>
#endif

namespace tmb {

[[noreturn]] void exitToPogoshell();

// DMA 0-3 off, IME 0, the ExitSequence stores, RegisterRamReset(0), SoftReset.
// Touches nothing in ROM once it has started.
[[noreturn]] TMB_LONG_CALL void exitSequence();

constexpr uint32_t kExitRepeat = 500;

#if defined(TMB_HOST)
// The host twin has no flash cartridge: the sequence's cartridge stores are
// recorded here instead, in order.
struct CartStore {
  uint32_t address;
  uint16_t value;
  bool operator==(const CartStore& o) const { return address == o.address && value == o.value; }
};
std::vector<CartStore>& recordedCartStores();
#endif

}  // namespace tmb

#endif  // TAMBERLIN_FRONTEND_EXIT_TO_POGOSHELL_H
