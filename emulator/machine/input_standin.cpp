// Stand-ins until the button mapping exists: no key is ever held and the
// virtual keyboard does not move.
#include "gba/attributes.h"
#include "machine/input_hooks.h"

namespace tmb {

TMB_IWRAM_CODE void sampleButtons() {}
void virtualKeyboardFrame() {}

}  // namespace tmb
