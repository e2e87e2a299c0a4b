// Port values under held buttons, through the ButtonActions of a ControlMap.
#include <cstring>
#include <string>

#include "input/spectrum_keys.h"
#include "input_fixture.h"

namespace tmb::test {
namespace {

using namespace gba;

// Order of a ControlMap: A B Select Start Right Left Up Down R L.
TEST_F(InputTest, HeldKeyClearsItsHalfRowBit) {
  setMap({key::B});
  hold(KEY_A);
  EXPECT_EQ(in(0x7FFE), 0xEF);
  EXPECT_EQ(in(0x00FE), 0xEF);  // every half-row at once
  EXPECT_EQ(in(0xFEFE), 0xFF);  // only A8: B is not on it
  release();
  EXPECT_EQ(in(0x7FFE), 0xFF);
}

TEST_F(InputTest, PortCasesUnderHeldButtons) {
  struct Case {
    const char* what;
    std::initializer_list<uint8_t> map;
    uint16_t held;
    uint32_t port;
    uint8_t value;
  };
  const Case cases[] = {
      {"Q and SHIFT on two rows, one bit", {key::Q, key::Shift}, KEY_A | KEY_B, 0xFAFE, 0xFE},
      {"nothing held, even port", {key::Q, key::Shift}, 0, 0x00FE, 0xFF},
      {"nothing held, Kempston", {key::JoyFire}, 0, 0x001F, 0x00},
      {"fire and up", {key::JoyFire, 0, 0, 0, 0, 0, key::JoyUp}, KEY_A | KEY_UP, 0x001F, 0x18},
      {"fire and up, port 0x00FF", {key::JoyFire, 0, 0, 0, 0, 0, key::JoyUp}, KEY_A | KEY_UP, 0x00FF, 0x18},
      {"fire and up, port 0x7F1F", {key::JoyFire, 0, 0, 0, 0, 0, key::JoyUp}, KEY_A | KEY_UP, 0x7F1F, 0x18},
      {"Right hides Left", {0, 0, 0, 0, key::JoyRight, key::JoyLeft}, KEY_RIGHT | KEY_LEFT, 0x001F, 0x01},
      {"Left alone", {0, 0, 0, 0, key::JoyRight, key::JoyLeft}, KEY_LEFT, 0x001F, 0x02},
      {"Up hides Down", {0, 0, 0, 0, 0, 0, key::Q, key::A}, KEY_UP | KEY_DOWN, 0xFBFE, 0xFE},
      {"Up hides Down: A not pressed", {0, 0, 0, 0, 0, 0, key::Q, key::A}, KEY_UP | KEY_DOWN, 0xFDFE, 0xFF},
      {"Down alone", {0, 0, 0, 0, 0, 0, key::Q, key::A}, KEY_DOWN, 0xFDFE, 0xFE},
      {"two buttons on Q, first", {key::Q, 0, 0, 0, 0, 0, 0, 0, key::Q}, KEY_A, 0xFBFE, 0xFE},
      {"two buttons on Q, second", {key::Q, 0, 0, 0, 0, 0, 0, 0, key::Q}, KEY_R, 0xFBFE, 0xFE},
      {"two buttons on Q, both", {key::Q, 0, 0, 0, 0, 0, 0, 0, key::Q}, KEY_A | KEY_R, 0xFBFE, 0xFE},
      {"SHIFT and Z on one row", {key::Shift, key::Z}, KEY_A | KEY_B, 0xFEFE, 0xFC},
      {"all ten on zero", {}, 0x03FF, 0x00FE, 0xFF},
      {"all ten on zero, Kempston", {}, 0x03FF, 0x001F, 0x00},
      {"Select and Start are keys", {0, 0, key::D1, key::D0}, KEY_SELECT | KEY_START, 0xF7FE, 0xFE},
      {"L shoulder", {0, 0, 0, 0, 0, 0, 0, 0, 0, key::Space}, KEY_L, 0x7FFE, 0xFE},
      {"a code above 45 presses nothing", {46, 200, 255}, KEY_A | KEY_B | KEY_SELECT, 0x00FE, 0xFF},
      {"a code above 45, Kempston", {46, 200, 255}, KEY_A | KEY_B | KEY_SELECT, 0x001F, 0x00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setMap(c.map);
    hold(c.held);
    EXPECT_EQ(in(c.port), c.value);
  }
}

// Every code against the keyboard's own layout: the key named by the code
// sits on the half-row and bit the layout gives it.
TEST_F(InputTest, EveryKeyCodeLandsOnItsKey) {
  const char* codeNames[41] = {"", "B", "N", "M", "SYM SHIFT", "SPACE", "H", "J", "K", "L", "ENTER",
                               "Y", "U", "I", "O", "P", "6", "7", "8", "9", "0", "5", "4", "3", "2", "1",
                               "T", "R", "E", "W", "Q", "G", "F", "D", "S", "A", "V", "C", "X", "Z",
                               "SHIFT"};
  // Half-rows by port (A15 first), bits 0 to 4.
  const char* layout[8][5] = {
      {"SPACE", "SYM SHIFT", "M", "N", "B"}, {"ENTER", "L", "K", "J", "H"},
      {"P", "O", "I", "U", "Y"},             {"0", "9", "8", "7", "6"},
      {"1", "2", "3", "4", "5"},             {"Q", "W", "E", "R", "T"},
      {"A", "S", "D", "F", "G"},             {"SHIFT", "Z", "X", "C", "V"},
  };
  for (uint8_t code = 1; code <= 40; ++code) {
    SCOPED_TRACE(codeNames[code]);
    int row = -1, bit = -1;
    for (int r = 0; r < 8; ++r)
      for (int b = 0; b < 5; ++b)
        if (std::string(layout[r][b]) == codeNames[code]) row = r, bit = b;
    ASSERT_GE(row, 0);
    setMap({code});
    hold(KEY_A);
    const uint32_t port = (0xFF00 & ~(0x8000u >> row)) | 0xFE;
    EXPECT_EQ(in(port), static_cast<uint8_t>(~(1u << bit)));
    EXPECT_EQ(in(0x001F), 0x00);
  }
  for (uint8_t code = key::JoyRight; code <= key::JoyFire; ++code) {
    setMap({code});
    hold(KEY_A);
    EXPECT_EQ(in(0x001F), 1u << (code - key::JoyRight));
    EXPECT_EQ(in(0x00FE), 0xFF);
  }
}

TEST_F(InputTest, OnlyARunningGameSeesTheButtons) {
  setMap({key::Q, key::JoyFire});
  hold(KEY_A | KEY_B);
  for (uint8_t mode = kModeMenuOpening; mode <= kModeIntro; ++mode) {
    g.frontEndMode = mode;
    EXPECT_EQ(in(0x00FE), 0xFF) << int(mode);
    EXPECT_EQ(in(0x001F), 0x00) << int(mode);
  }
  g.frontEndMode = kModeRunning;
  EXPECT_EQ(in(0x00FE), 0xFE);
  EXPECT_EQ(in(0x001F), 0x10);
}

TEST_F(InputTest, ActionsBeforeTheFirstApplyPressNothing) {
  for (ButtonAction& a : ButtonActions) a = ButtonAction{};  // as the boot's IWRAM copy leaves them
  uint8_t before[256];
  std::memcpy(before, &g, 256);
  hold(0x03FF);
  EXPECT_EQ(in(0x00FE), 0xFF);
  EXPECT_EQ(in(0x001F), 0x00);
  EXPECT_EQ(std::memcmp(before, &g, 256), 0);
}

TEST_F(InputTest, MapTakesEffectOnlyWhenApplied) {
  setMap({key::Q});
  hold(KEY_A);
  g.controlMap[0] = key::A;  // the menu edits the running map ...
  EXPECT_EQ(in(0xFBFE), 0xFE);  // ... the old key still works
  EXPECT_EQ(in(0xFDFE), 0xFF);
  applyControlMap();  // the menu has closed
  EXPECT_EQ(in(0xFBFE), 0xFF);
  EXPECT_EQ(in(0xFDFE), 0xFE);
}

TEST_F(InputTest, SamplingTouchesNothingButTheKeyState) {
  setMap({key::Q, key::JoyFire, key::A, key::B, key::JoyLeft, key::JoyRight, key::Space, key::Enter,
          key::Shift, key::SymShift});
  uint8_t before[256];
  std::memcpy(before, &g, 256);
  hold(0x03FF);
  sampleButtons();
  uint8_t after[256];
  std::memcpy(after, &g, 256);
  for (uint32_t i = 0; i < 256; ++i) {
    if (i >= 0xC0 && i <= 0xC8) continue;
    EXPECT_EQ(after[i], before[i]) << "GlobalsBlock byte 0x" << std::hex << i;
  }
}

}  // namespace
}  // namespace tmb::test
