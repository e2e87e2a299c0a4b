#include "input/control_menu_data.h"

namespace tmb {

const RedefineEntry RedefineEntries[kRedefineEntryCount] = {
    {"Up", kButtonUp},     {"Down", kButtonDown},    {"Left", kButtonLeft},
    {"Right", kButtonRight}, {"A", kButtonA},        {"B", kButtonB},
    {"Select", kButtonSelect}, {"Start", kButtonStart}, {"R Shoulder", kButtonR},
    {"L Shoulder", kButtonL},
};

const uint8_t RedefineKeyOrder[kRedefineKeyCount] = {
    key::None,
    key::D0, key::D1, key::D2, key::D3, key::D4, key::D5, key::D6, key::D7, key::D8, key::D9,
    key::A, key::B, key::C, key::D, key::E, key::F, key::G, key::H, key::I, key::J, key::K,
    key::L, key::M, key::N, key::O, key::P, key::Q, key::R, key::S, key::T, key::U, key::V,
    key::W, key::X, key::Y, key::Z,
    key::Shift, key::SymShift, key::Space, key::Enter,
    key::JoyRight, key::JoyLeft, key::JoyDown, key::JoyUp, key::JoyFire,
};

namespace {
uint32_t orderIndex(uint8_t code) {
  for (uint32_t i = 0; i < kRedefineKeyCount; ++i) {
    if (RedefineKeyOrder[i] == code) return i;
  }
  return 0;
}
}  // namespace

uint8_t nextRedefineKey(uint8_t code) {
  const uint32_t i = orderIndex(code);
  return RedefineKeyOrder[i + 1 < kRedefineKeyCount ? i + 1 : i];
}

uint8_t previousRedefineKey(uint8_t code) {
  const uint32_t i = orderIndex(code);
  return RedefineKeyOrder[i > 0 ? i - 1 : 0];
}

// Pad bytes: the joystick's own directions, and the Spectrum's cursor keys
// 8 (right), 5 (left), 7 (up), 6 (down).
const QuickPreset QuickPresets[kQuickPresetCount] = {
    {"Kempston",
     {key::JoyFire, key::JoyFire, key::D1, key::D0, key::JoyRight, key::JoyLeft, key::JoyUp,
      key::JoyDown, key::Enter, key::Space}},
    {"Cursor",
     {key::D0, key::D0, key::D1, key::D0, key::D8, key::D5, key::D7, key::D6, key::Enter,
      key::Space}},
};

}  // namespace tmb
