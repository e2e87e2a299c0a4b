// Calls the boot and the directory make into parts that are not written yet.
// Each is one function here so that the part replacing it is a one-line change.
#ifndef TAMBERLIN_BOOT_LATER_H
#define TAMBERLIN_BOOT_LATER_H

#include <stdint.h>

namespace tmb {

// Input mapping: turn GlobalsBlock 0x50 into the ten button actions.
void applyControlMap();
// Snapshot loaders: type 0 = .SNA, anything else = .Z80.
void runSnapshotLoader(uint8_t type, uint32_t snapshot);
// Menu: the MenuStack with the main menu, its panel (drawn off screen) and the StatusLine.
void initMenuStack();
void drawMenuPanel();
void drawStatusLine();
// Video modes: current geometry from the stored mode, laid out on the sprites.
void applyVideoMode();

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_LATER_H
