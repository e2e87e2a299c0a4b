#include "machine/ports.h"

#include "boot/globals.h"
#include "machine/input_hooks.h"

namespace tmb {

TMB_IWRAM_CODE uint8_t portRead(uint32_t port) {
  GlobalsBlock& g = globals();
  if (g.frontEndMode == kModeRunning) sampleButtons();
  const uint8_t value = decodePort(port, g.keyboardRows, g.kempston);
  for (uint8_t& row : g.keyboardRows) row = 0xFF;
  g.kempston = 0;
  return value;
}

}  // namespace tmb
