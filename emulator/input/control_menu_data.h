// What the "Control Menu" shows and edits: the ten "Redefine Controls"
// entries, the order their keys step through, and the "Quick Redefine"
// presets. The menu engine draws and runs them; this is only the data.
#ifndef TAMBERLIN_INPUT_CONTROL_MENU_DATA_H
#define TAMBERLIN_INPUT_CONTROL_MENU_DATA_H

#include <stdint.h>

#include "input/spectrum_keys.h"

namespace tmb {

struct RedefineEntry {
  const char* label;
  uint8_t controlMapByte;
};
constexpr uint32_t kRedefineEntryCount = 10;
extern const RedefineEntry RedefineEntries[kRedefineEntryCount];

// none, "0"-"9", "A"-"Z", SHIFT, SYM SHIFT, SPACE, ENTER, then the joystick.
constexpr uint32_t kRedefineKeyCount = 46;
extern const uint8_t RedefineKeyOrder[kRedefineKeyCount];

// Up with A held: the next key in that order; Down: the previous one. The
// order has ends: JOY FIRE stays JOY FIRE, none stays none. A code that is not
// in the order (never written by the builder) steps as if it were none.
uint8_t nextRedefineKey(uint8_t code);
uint8_t previousRedefineKey(uint8_t code);

// Frames between steps while Up or Down stays held with A.
constexpr int kRedefineRepeatFrames = 8;

struct QuickPreset {
  const char* label;
  uint8_t controlMap[kButtonCount];
};
constexpr uint32_t kQuickPresetCount = 2;
extern const QuickPreset QuickPresets[kQuickPresetCount];  // "Kempston", "Cursor"

}  // namespace tmb

#endif  // TAMBERLIN_INPUT_CONTROL_MENU_DATA_H
