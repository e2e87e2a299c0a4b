// The ten ButtonActions: what each GBA button does to the KeyboardRows and the
// KempstonState, decided once per ControlMap so that a port read only has to
// test the held buttons.
#ifndef TAMBERLIN_INPUT_BUTTON_ACTIONS_H
#define TAMBERLIN_INPUT_BUTTON_ACTIONS_H

#include <stdint.h>

#include "input/spectrum_keys.h"

namespace tmb {

// One held button: byte = (byte & ~clear) | set, at GlobalsBlock offset
// `target` (a KeyboardRows byte or the Kempston byte). A key clears its row
// bit, a joystick direction sets its Kempston bit, no key does neither. An
// all-zero action (the IWRAM copy before the first apply) changes nothing.
struct alignas(4) ButtonAction {
  uint8_t target;
  uint8_t clear;
  uint8_t set;
  uint8_t unused;
};
static_assert(sizeof(ButtonAction) == 4, "one word per action: a port read loads it in one go");

// Filled by applyControlMap(); read by every port read in front-end mode 0.
extern ButtonAction ButtonActions[kButtonCount];

// The action of one SpectrumKeyCode. Codes above 45 never come from the
// builder; they press nothing.
ButtonAction actionForKey(uint8_t code);

// Derives all ten actions from the running ControlMap (GlobalsBlock 0x50).
// Called after a game load, when the menu has closed and after a slot load.
void applyControlMap();

}  // namespace tmb

#endif  // TAMBERLIN_INPUT_BUTTON_ACTIONS_H
