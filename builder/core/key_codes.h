#pragma once
// The Spectrum key vocabulary: key names as TMB.INI stores them, the one-byte codes the emulator
// reads, and the ten-byte control map of a game. The numbering is shared with the emulator's
// input mapping; never renumber.
#include <array>
#include <cstdint>
#include <string>

namespace tmb {

class SettingsFile;

using SpectrumKeyCode = std::uint8_t;
constexpr SpectrumKeyCode kNoKey = 0;
constexpr std::size_t kKeyCodeCount = 46;  // 0 to 45

// One code per GBA button, in KEYINPUT bit order: A, B, SELECT, START, right, left, up, down, R, L.
using ControlMap = std::array<SpectrumKeyCode, 10>;

// The settings key of each GBA button, in control-map order.
extern const std::array<const char*, 10> kButtonKeys;

// Names in code order: kKeyNames[code]; kKeyNames[0] is "<unassigned>".
extern const std::array<const char*, kKeyCodeCount> kKeyNames;

// The 46 names in the order the dialogs offer them.
extern const std::array<const char*, kKeyCodeCount> kKeyList;

// Exact match, case included; anything unknown (the empty text too) is 0.
SpectrumKeyCode keyCode(const std::string& name);

// The ten button keys of one section, each read with an empty default and converted.
ControlMap readControlMap(const SettingsFile& settings, const std::string& section);

// A game's map: from its own section when "Control" is "Custom", otherwise from the section
// "Control_" + the "Control" value. Missing sections and keys give zeros.
ControlMap resolveControlMap(const SettingsFile& settings, const std::string& gameKey);

}  // namespace tmb
