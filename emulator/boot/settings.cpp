#include "boot/settings.h"

#include "boot/globals.h"
#include "boot/memory_map.h"

namespace tmb {

namespace {

// The SRAM bus is 8 bits wide: every access is a single volatile byte.
volatile uint8_t* sram() { return gba::at<volatile uint8_t>(kSettingsBlock); }

uint8_t* globalsBytes() { return reinterpret_cast<uint8_t*>(&globals()); }

bool signaturePresent() {
  volatile uint8_t* s = sram();
  for (uint32_t i = 0; i < kSettingsSignatureSize; ++i) {
    if (s[i] != static_cast<uint8_t>(kSettingsSignature[i])) return false;
  }
  return true;
}

void writeSignature() {
  volatile uint8_t* s = sram();
  for (uint32_t i = 0; i < kSettingsSignatureSize; ++i) s[i] = static_cast<uint8_t>(kSettingsSignature[i]);
}

void writeSetting(const SettingEntry& e, uint16_t value) {
  volatile uint8_t* s = sram();
  s[e.sramOffset] = static_cast<uint8_t>(value);
  if (e.size == 2) s[e.sramOffset + 1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

void loadSettings() {
  if (!signaturePresent()) {
    writeSignature();
    for (const SettingEntry& e : kSettings) writeSetting(e, e.defaultValue);
  }
  volatile uint8_t* s = sram();
  uint8_t* g = globalsBytes();
  for (const SettingEntry& e : kSettings) {
    for (uint32_t i = 0; i < e.size; ++i) g[e.globalsOffset + i] = s[e.sramOffset + i];
  }
  globals().disassembler = 0;  // not stored: off after every boot
}

void saveSettings() {
  writeSignature();
  volatile uint8_t* s = sram();
  const uint8_t* g = globalsBytes();
  for (const SettingEntry& e : kSettings) {
    for (uint32_t i = 0; i < e.size; ++i) s[e.sramOffset + i] = g[e.globalsOffset + i];
  }
}

}  // namespace tmb
