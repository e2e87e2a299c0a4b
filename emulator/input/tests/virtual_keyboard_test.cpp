// The virtual keyboard: its table against the keyboard layout, sampling with
// A, B, L and R, navigation with its repeat, and BG2 placement.
#include <cstring>
#include <set>
#include <string>

#include "boot/memory_map.h"
#include "input/spectrum_keys.h"
#include "input/virtual_keyboard.h"
#include "input_fixture.h"

namespace tmb::test {
namespace {

using namespace gba;

const char* const kKeyNames[kVirtualKeyCount] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P",
    "A", "S", "D", "F", "G", "H", "J", "K", "L", "ENTER", "SHIFT", "Z", "X", "C", "V", "B", "N", "M",
    "SYM SHIFT", "SPACE"};

int keyIndex(const std::string& name) {
  for (uint32_t i = 0; i < kVirtualKeyCount; ++i)
    if (name == kKeyNames[i]) return static_cast<int>(i);
  return -1;
}

uint16_t mapEntry(uint32_t index) {
  return *gba::at<uint16_t>(kVirtualKeyboardMapBase + 2 * index);
}

class VirtualKeyboardTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    g.virtualKeyboardPosition = 1;
    std::memcpy(gba::host::bytes(kVirtualKeyboardMapBase, sizeof KeyboardPictureMap), KeyboardPictureMap,
                sizeof KeyboardPictureMap);
  }
  uint8_t selected() const { return g.virtualKeyboardState[kSelectedKeyByte]; }
  void select(const char* name) { g.virtualKeyboardState[kSelectedKeyByte] = static_cast<uint8_t>(keyIndex(name)); }
  // One frame end with `buttons` held.
  void frame(uint16_t buttons) {
    hold(buttons);
    virtualKeyboardFrame();
  }
  uint16_t paletteOf(uint8_t key) const {
    return mapEntry(VirtualKeyTable[key].mapOffset / 2) >> 12;
  }
};

TEST_F(VirtualKeyboardTest, EachKeyPressesItsOwnRowBit) {
  const char* layout[8][5] = {
      {"SPACE", "SYM SHIFT", "M", "N", "B"}, {"ENTER", "L", "K", "J", "H"},
      {"P", "O", "I", "U", "Y"},             {"0", "9", "8", "7", "6"},
      {"1", "2", "3", "4", "5"},             {"Q", "W", "E", "R", "T"},
      {"A", "S", "D", "F", "G"},             {"SHIFT", "Z", "X", "C", "V"},
  };
  for (int r = 0; r < 8; ++r) {
    for (int b = 0; b < 5; ++b) {
      SCOPED_TRACE(layout[r][b]);
      select(layout[r][b]);
      hold(KEY_A);
      const uint32_t port = (0xFF00 & ~(0x8000u >> r)) | 0xFE;
      EXPECT_EQ(in(port), static_cast<uint8_t>(~(1u << b)));
      EXPECT_EQ(in(0x00FE), static_cast<uint8_t>(~(1u << b)));
    }
  }
}

TEST_F(VirtualKeyboardTest, SamplingCases) {
  struct Case {
    const char* what;
    const char* key;
    uint16_t held;
    uint32_t port;
    uint8_t value;
  };
  const Case cases[] = {
      {"A presses key 1 from the start", nullptr, KEY_A, 0xF7FE, 0xFE},
      {"R replaces M on A15", "M", KEY_A | KEY_R, 0x7FFE, 0xFD},
      {"B replaces L on A14", "L", KEY_A | KEY_B, 0xBFFE, 0xFE},
      {"L adds SHIFT to 5", "5", KEY_A | KEY_L, 0xFEFE, 0xFE},
      {"and 5 is still down", "5", KEY_A | KEY_L, 0xF7FE, 0xEF},
      {"B alone is ENTER", "Q", KEY_B, 0xBFFE, 0xFE},
      {"pad, Select, Start press nothing", "Q",
       KEY_RIGHT | KEY_LEFT | KEY_UP | KEY_DOWN | KEY_SELECT | KEY_START, 0x00FE, 0xFF},
      {"no joystick", "Q", 0x03FF, 0x001F, 0x00},
  };
  // The game's map would press Q with every button; with the keyboard on it is not used.
  setMap({key::Q, key::Q, key::Q, key::Q, key::JoyFire, key::JoyFire, key::Q, key::Q, key::Q, key::Q});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.key) select(c.key);
    hold(c.held);
    EXPECT_EQ(in(c.port), c.value);
  }
}

TEST_F(VirtualKeyboardTest, NeighboursFromTheEdges) {
  struct Case {
    const char* from;
    uint16_t held;
    const char* to;
  };
  const Case cases[] = {
      {"0", KEY_RIGHT, "1"},       {"1", KEY_UP, "Z"},         {"SPACE", KEY_DOWN, "0"},
      {"1", KEY_LEFT, "0"},        {"SHIFT", KEY_LEFT, "SPACE"}, {"SPACE", KEY_RIGHT, "SHIFT"},
      {"A", KEY_LEFT, "ENTER"},    {"ENTER", KEY_RIGHT, "A"},   {"P", KEY_DOWN, "ENTER"},
      {"9", KEY_UP, "SYM SHIFT"},  {"SYM SHIFT", KEY_DOWN, "9"}, {"Z", KEY_UP, "A"},
      // Several directions: Right beats all, then Left, then Down.
      {"G", KEY_UP | KEY_DOWN | KEY_LEFT | KEY_RIGHT, "H"},
      {"G", KEY_UP | KEY_DOWN | KEY_LEFT, "F"},
      {"G", KEY_UP | KEY_DOWN, "B"},
      {"G", KEY_A, "G"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    select(c.from);
    g.virtualKeyboardState[kRepeatCountdownByte] = 0;
    frame(c.held);
    EXPECT_EQ(selected(), keyIndex(c.to));
  }
}

TEST_F(VirtualKeyboardTest, HeldDirectionRepeatsEvery24Frames) {
  frame(KEY_RIGHT);  // a press moves at once
  EXPECT_EQ(selected(), keyIndex("2"));
  for (int i = 1; i < kRepeatFrames; ++i) frame(KEY_RIGHT);
  EXPECT_EQ(selected(), keyIndex("2"));
  frame(KEY_RIGHT);
  EXPECT_EQ(selected(), keyIndex("3"));
  frame(KEY_R | KEY_L);  // shoulders count as released ...
  frame(KEY_RIGHT);      // ... so this is a new press
  EXPECT_EQ(selected(), keyIndex("4"));
  frame(KEY_A);  // A keeps the countdown running without moving
  EXPECT_EQ(g.virtualKeyboardState[kRepeatCountdownByte], kRepeatFrames - 1);
}

TEST_F(VirtualKeyboardTest, HighlightFollowsTheSelection) {
  for (uint32_t i = 0; i < kVirtualKeyCount; ++i) EXPECT_EQ(paletteOf(static_cast<uint8_t>(i)), kKeyPalette);
  frame(KEY_DOWN);  // 1 -> Q
  EXPECT_EQ(paletteOf(static_cast<uint8_t>(keyIndex("Q"))), kHighlightPalette);
  EXPECT_EQ(paletteOf(static_cast<uint8_t>(keyIndex("1"))), kKeyPalette);
  g.virtualKeyboardState[kRepeatCountdownByte] = 0;
  select("L");
  // L's highlight is not painted (selected by hand); moving to ENTER paints all three of its tiles.
  frame(KEY_RIGHT);
  const VirtualKey& enter = VirtualKeyTable[keyIndex("ENTER")];
  for (uint32_t t = 0; t < enter.width / 2u; ++t) {
    const uint16_t e = mapEntry(enter.mapOffset / 2 + t);
    EXPECT_EQ(e >> 12, kHighlightPalette);
    EXPECT_EQ(e & 0x0FFF, KeyboardPictureMap[enter.mapOffset / 2 + t] & 0x0FFF);  // tile kept
  }
}

TEST(VirtualKeyTable, PictureIsSixteenTilesByFourWithoutOverlaps) {
  std::set<uint32_t> used;
  for (uint32_t i = 0; i < kVirtualKeyCount; ++i) {
    const VirtualKey& k = VirtualKeyTable[i];
    const uint32_t first = k.mapOffset / 2u;
    for (uint32_t t = 0; t < k.width / 2u; ++t) {
      const uint32_t e = first + t;
      EXPECT_LT(e % 32, 16u) << kKeyNames[i];
      EXPECT_EQ(e / 32, first / 32) << kKeyNames[i] << " stays on its row";
      EXPECT_TRUE(used.insert(e).second) << kKeyNames[i];
      EXPECT_EQ(KeyboardPictureMap[e] >> 12, kKeyPalette);
      EXPECT_NE(KeyboardPictureMap[e] & 0x3FF, 0) << kKeyNames[i];
    }
    for (uint8_t n : {k.up, k.down, k.left, k.right}) EXPECT_LT(n, kVirtualKeyCount);
  }
  EXPECT_EQ(used.size(), 48u);
  for (uint32_t e = 0; e < kKeyboardMapEntries; ++e) {
    if (!used.count(e)) {
      EXPECT_EQ(KeyboardPictureMap[e], 0) << e;
    }
  }
}

TEST_F(InputTest, ShowAndHidePlaceBg2) {
  struct Case {
    uint8_t position;
    uint16_t hofs, vofs;
  };
  const Case cases[] = {{1, 0, 32}, {2, 144, 32}, {3, 0, 96}, {4, 144, 96}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    REG_DISPCNT = 0x3300;
    REG_WINOUT = 0x3B;
    g.virtualKeyboardPosition = c.position;
    showVirtualKeyboard();
    EXPECT_EQ(static_cast<uint16_t>(REG_BG2HOFS), c.hofs);
    EXPECT_EQ(static_cast<uint16_t>(REG_BG2VOFS), c.vofs);
    EXPECT_EQ(static_cast<uint16_t>(REG_BG2CNT), 0x1700);
    EXPECT_EQ(static_cast<uint16_t>(REG_DISPCNT), 0x3700);
    EXPECT_EQ(static_cast<uint16_t>(REG_WINOUT), 0x3F);
    const VirtualKeyboardPlacement p = virtualKeyboardPlacement(c.position);
    EXPECT_EQ(p.vofsShown, c.position <= 2 ? 0 : 128);
    hideVirtualKeyboard();
    EXPECT_EQ(static_cast<uint16_t>(REG_BG2CNT), 0x1800);
    EXPECT_EQ(static_cast<uint16_t>(REG_DISPCNT), 0x3300);
    EXPECT_EQ(static_cast<uint16_t>(REG_WINOUT), 0x3B);
    EXPECT_EQ(static_cast<uint16_t>(REG_BG2VOFS), 0);
    EXPECT_EQ(static_cast<uint16_t>(REG_BG2HOFS), 160);
  }
  g.virtualKeyboardPosition = 0;
  REG_DISPCNT = 0x3700;
  REG_WINOUT = 0x3F;
  showVirtualKeyboard();
  EXPECT_EQ(static_cast<uint16_t>(REG_DISPCNT), 0x3300);
  EXPECT_EQ(static_cast<uint16_t>(REG_WINOUT), 0x3B);
  EXPECT_EQ(static_cast<uint16_t>(REG_BG2CNT), 0x1800);
  EXPECT_EQ(static_cast<uint16_t>(REG_BG2HOFS), 160);
}

}  // namespace
}  // namespace tmb::test
