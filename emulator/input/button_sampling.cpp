#include "input/button_sampling.h"

#include "gba/attributes.h"
// The machine's view of this function: including it checks the two agree.
#if __has_include("machine/input_hooks.h")
#include "machine/input_hooks.h"
#endif

namespace tmb {

TMB_IWRAM_CODE void sampleButtons() {
  sampleButtonsFrom(static_cast<uint16_t>(gba::REG_KEYINPUT), globals());
}

}  // namespace tmb
