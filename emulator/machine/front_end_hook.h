// The frame-end handler of the front end's current mode (1-7: the menu, the
// game selector, the intro). Defined by the image, not by the machine.
#ifndef TAMBERLIN_MACHINE_FRONT_END_HOOK_H
#define TAMBERLIN_MACHINE_FRONT_END_HOOK_H

#include <stdint.h>

#include "gba/attributes.h"

namespace tmb {

TMB_LONG_CALL void frontEndFrame(uint8_t mode);

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_FRONT_END_HOOK_H
