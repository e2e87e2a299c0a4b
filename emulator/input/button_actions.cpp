#include "input/button_actions.h"

#include <stddef.h>

#include "boot/globals.h"
#include "gba/attributes.h"

namespace tmb {

// Beside the port read in IWRAM: it is read on every IN.
TMB_IWRAM_DATA ButtonAction ButtonActions[kButtonCount];

namespace {
constexpr uint8_t kRowsOffset = offsetof(GlobalsBlock, keyboardRows);
constexpr uint8_t kKempstonOffset = offsetof(GlobalsBlock, kempston);
}  // namespace

ButtonAction actionForKey(uint8_t code) {
  if (code >= 1 && code <= 40) {
    const uint32_t k = code - 1u;
    const uint8_t bit = static_cast<uint8_t>(1u << (4 - k % 5));
    return {static_cast<uint8_t>(kRowsOffset + k / 5), bit, 0, 0};
  }
  if (code >= key::JoyRight && code <= key::JoyFire) {
    return {kKempstonOffset, 0, static_cast<uint8_t>(1u << (code - key::JoyRight)), 0};
  }
  return {kKempstonOffset, 0, 0, 0};
}

void applyControlMap() {
  const GlobalsBlock& g = globals();
  for (uint32_t i = 0; i < kButtonCount; ++i) ButtonActions[i] = actionForKey(g.controlMap[i]);
}

}  // namespace tmb
