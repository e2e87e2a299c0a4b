// The SettingsBlock in cartridge SRAM: a 12-byte signature and one byte (or a
// little-endian pair) per setting, read and written one byte at a time.
#ifndef TAMBERLIN_BOOT_SETTINGS_H
#define TAMBERLIN_BOOT_SETTINGS_H

#include <stdint.h>

namespace tmb {

constexpr char kSettingsSignature[] = "Tamberlin!!!";
constexpr uint32_t kSettingsSignatureSize = 12;
constexpr uint32_t kSettingsBlockSize = 38;

struct SettingEntry {
  uint8_t sramOffset;
  uint8_t globalsOffset;
  uint8_t size;  // 1 or 2
  uint16_t defaultValue;
};

// Every stored setting, in SRAM order; byte 0x0D is a spare that is never written.
constexpr SettingEntry kSettings[] = {
    {0x0C, 0x9F, 1, 0},    // "Video Mode": "Full Screen"
    {0x0E, 0xA0, 2, 0},    // "X Offset"
    {0x10, 0xA2, 2, 0},    // "Y Offset"
    {0x12, 0xA4, 2, 256},  // "X Length"
    {0x14, 0xA6, 2, 64},   // "Y1 Length"
    {0x16, 0xA8, 2, 64},   // "Y2 Length"
    {0x18, 0xAA, 2, 64},   // "Y3 Length"
    {0x1A, 0x9C, 1, 0},    // "Black & White"
    {0x1B, 0x9E, 1, 0},    // "Fake Scanlines"
    {0x1C, 0x9D, 1, 0},    // "Video Brightness": "Normal"
    {0x1D, 0xBC, 1, 1},    // audio "Enabled"
    {0x1E, 0x84, 1, 0},    // "Frameskip Menu"
    {0x1F, 0x85, 1, 0},    // "R-Register Menu": "Use T-State"
    {0x20, 0x86, 1, 0},    // "Renderer Menu": "Full (Fastest)"
    {0x21, 0x80, 1, 0},    // "Pause on menu"
    {0x22, 0x81, 1, 1},    // "Throttle"
    {0x23, 0x82, 1, 0},    // "Debugger"
    {0x24, 0xCC, 1, 0},    // "Virtual Keyboard": "Disable"
    {0x25, 0xFB, 1, 1},    // "Show Intro"
};

// Writes the signature and the defaults when the signature is missing, then
// copies every setting into the GlobalsBlock. Values behind a good signature
// are taken as they are.
void loadSettings();

// Writes the signature and every setting from the GlobalsBlock.
void saveSettings();

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_SETTINGS_H
