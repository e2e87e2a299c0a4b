// The image defines the front end's frame hook; the tests supply their own.
#include "machine/front_end_hook.h"
#include "machine_fixture.h"

namespace tmb {

void frontEndFrame(uint8_t mode) {
  if (test::frontEndHandler) test::frontEndHandler(mode);
}

}  // namespace tmb
