// What the frame loop and the ports ask of the input mapping: turning the held
// GBA buttons into Spectrum keys, and the virtual keyboard's frame step.
#ifndef TAMBERLIN_MACHINE_INPUT_HOOKS_H
#define TAMBERLIN_MACHINE_INPUT_HOOKS_H

#include "gba/attributes.h"

namespace tmb {

// Called at the start of every port read in front-end mode 0: writes the held
// buttons into the KeyboardRows and the KempstonState.
void sampleButtons();

// Called at every frame end while the virtual keyboard is enabled.
TMB_LONG_CALL void virtualKeyboardFrame();

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_INPUT_HOOKS_H
