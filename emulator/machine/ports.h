// The Spectrum's input ports: keyboard half-rows on even ports, the Kempston
// joystick on odd ones.
#ifndef TAMBERLIN_MACHINE_PORTS_H
#define TAMBERLIN_MACHINE_PORTS_H

#include <stdint.h>

#include "gba/attributes.h"

namespace tmb {

// Port value for the key state given: an odd port answers as the Kempston
// interface; an even one ANDs the row of every address line A8-A15 that is
// low (rows[0] belongs to A15, rows[7] to A8).
inline uint8_t decodePort(uint32_t port, const uint8_t rows[8], uint8_t kempston) {
  if (port & 1) return kempston;
  uint32_t result = 0xFF;
  for (uint32_t i = 0; i < 8; ++i) {
    if (!(port & (0x8000u >> i))) result &= rows[i];
  }
  return static_cast<uint8_t>(result);
}

// Every IN: samples the buttons while the game runs (front-end mode 0),
// decodes, then clears the key state again, so nothing about keys outlives
// one read.
uint8_t portRead(uint32_t port);

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_PORTS_H
