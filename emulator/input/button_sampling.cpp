#include "input/button_sampling.h"

#include "gba/attributes.h"

namespace tmb {

TMB_IWRAM_CODE void sampleButtons() {
  sampleButtonsFrom(static_cast<uint16_t>(gba::REG_KEYINPUT), globals());
}

}  // namespace tmb
