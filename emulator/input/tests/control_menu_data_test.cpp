// The control menu's data: entry bytes, the key order's ends, the presets.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "input/control_menu_data.h"

namespace tmb {
namespace {

TEST(RedefineControls, EntriesEditTheirButtons) {
  const char* labels[] = {"Up", "Down", "Left", "Right", "A", "B", "Select", "Start", "R Shoulder", "L Shoulder"};
  const uint8_t bytes[] = {6, 7, 5, 4, 0, 1, 2, 3, 8, 9};
  for (uint32_t i = 0; i < kRedefineEntryCount; ++i) {
    EXPECT_EQ(std::string(RedefineEntries[i].label), labels[i]);
    EXPECT_EQ(RedefineEntries[i].controlMapByte, bytes[i]);
  }
}

TEST(RedefineControls, KeyOrderHasEveryCodeOnceAndEnds) {
  std::set<uint8_t> codes(RedefineKeyOrder, RedefineKeyOrder + kRedefineKeyCount);
  EXPECT_EQ(codes.size(), 46u);
  EXPECT_EQ(*codes.rbegin(), key::JoyFire);
  EXPECT_EQ(nextRedefineKey(key::JoyFire), key::JoyFire);
  EXPECT_EQ(previousRedefineKey(key::None), key::None);
  // Walking up from none visits the whole order, then stays.
  const uint8_t expected[] = {key::D0, key::D1, key::D2, key::D3, key::D4, key::D5, key::D6, key::D7, key::D8,
                              key::D9, key::A, key::B, key::C};
  uint8_t k = key::None;
  for (uint8_t e : expected) EXPECT_EQ(k = nextRedefineKey(k), e);
  EXPECT_EQ(nextRedefineKey(key::Z), key::Shift);
  EXPECT_EQ(nextRedefineKey(key::Shift), key::SymShift);
  EXPECT_EQ(nextRedefineKey(key::SymShift), key::Space);
  EXPECT_EQ(nextRedefineKey(key::Space), key::Enter);
  EXPECT_EQ(nextRedefineKey(key::Enter), key::JoyRight);
  EXPECT_EQ(nextRedefineKey(key::JoyRight), key::JoyLeft);
  EXPECT_EQ(nextRedefineKey(key::JoyLeft), key::JoyDown);
  EXPECT_EQ(nextRedefineKey(key::JoyDown), key::JoyUp);
  EXPECT_EQ(nextRedefineKey(key::JoyUp), key::JoyFire);
  EXPECT_EQ(previousRedefineKey(key::D0), key::None);
  EXPECT_EQ(previousRedefineKey(key::A), key::D9);
  for (uint32_t i = 1; i < kRedefineKeyCount; ++i)
    EXPECT_EQ(previousRedefineKey(nextRedefineKey(RedefineKeyOrder[i - 1])), RedefineKeyOrder[i - 1]);
  EXPECT_EQ(nextRedefineKey(99), key::D0);  // never written by the builder: stepped as none
}

TEST(QuickRedefine, PresetsPressTheirOwnDirections) {
  // A B Select Start Right Left Up Down R L
  const uint8_t kempston[] = {45, 45, 25, 20, 41, 42, 44, 43, 10, 5};
  const uint8_t cursor[] = {20, 20, 25, 20, 18, 21, 17, 16, 10, 5};
  EXPECT_EQ(std::string(QuickPresets[0].label), "Kempston");
  EXPECT_EQ(std::string(QuickPresets[1].label), "Cursor");
  for (uint32_t i = 0; i < kButtonCount; ++i) {
    EXPECT_EQ(QuickPresets[0].controlMap[i], kempston[i]) << i;
    EXPECT_EQ(QuickPresets[1].controlMap[i], cursor[i]) << i;
  }
}

}  // namespace
}  // namespace tmb
