// Stand-ins: each does nothing until its part lands.
#include "boot/later.h"

namespace tmb {

void applyControlMap() {}
void runSnapshotLoader(uint8_t, uint32_t) {}
void initMenuStack() {}
void drawMenuPanel() {}
void drawStatusLine() {}
void applyVideoMode() {}

}  // namespace tmb
