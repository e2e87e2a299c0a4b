#include "core/key_codes.h"

#include "core/settings_file.h"

namespace tmb {

const std::array<const char*, 10> kButtonKeys = {
    "Button A", "Button B", "Select", "Start", "DPad Right",
    "DPad Left", "DPad Up", "DPad Down", "Back Right", "Back Left",
};

// Five keys per Spectrum half-row, then the Kempston bits 0 to 4.
const std::array<const char*, kKeyCodeCount> kKeyNames = {
    "<unassigned>",
    "B", "N", "M", "SYM SHIFT", "SPACE",      // 1-5   half-row 0x7FFE
    "H", "J", "K", "L", "ENTER",              // 6-10  0xBFFE
    "Y", "U", "I", "O", "P",                  // 11-15 0xDFFE
    "6", "7", "8", "9", "0",                  // 16-20 0xEFFE
    "5", "4", "3", "2", "1",                  // 21-25 0xF7FE
    "T", "R", "E", "W", "Q",                  // 26-30 0xFBFE
    "G", "F", "D", "S", "A",                  // 31-35 0xFDFE
    "V", "C", "X", "Z", "SHIFT",              // 36-40 0xFEFE (SHIFT is CAPS SHIFT)
    "JOY RIGHT", "JOY LEFT", "JOY DOWN", "JOY UP", "JOY FIRE",  // 41-45 Kempston bits 0-4
};

const std::array<const char*, kKeyCodeCount> kKeyList = {
    "<unassigned>",
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    "SPACE", "ENTER", "SHIFT", "SYM SHIFT",
    "JOY LEFT", "JOY RIGHT", "JOY UP", "JOY DOWN", "JOY FIRE",
};

SpectrumKeyCode keyCode(const std::string& name) {
  // Code 0 stands for "<unassigned>" and every unknown text alike, so it needs no lookup.
  for (std::size_t code = 1; code < kKeyNames.size(); ++code)
    if (name == kKeyNames[code]) return static_cast<SpectrumKeyCode>(code);
  return kNoKey;
}

ControlMap readControlMap(const SettingsFile& settings, const std::string& section) {
  ControlMap map{};
  for (std::size_t i = 0; i < kButtonKeys.size(); ++i)
    map[i] = keyCode(settings.readString(section, kButtonKeys[i], ""));
  return map;
}

ControlMap resolveControlMap(const SettingsFile& settings, const std::string& gameKey) {
  const std::string control = settings.readString(gameKey, "Control", "");
  return readControlMap(settings, control == "Custom" ? gameKey : "Control_" + control);
}

}  // namespace tmb
