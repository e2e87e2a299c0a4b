#include "input/virtual_keyboard.h"

#include "boot/globals.h"
#include "boot/memory_map.h"
#include "gba/registers.h"
#include "input/spectrum_keys.h"
#if __has_include("machine/input_hooks.h")
#include "machine/input_hooks.h"
#endif

namespace tmb {

using namespace gba;

namespace {

constexpr VirtualKey vk(int row, int column, int tiles, int up, int down, int left, int right,
                        uint8_t halfRow, int bit) {
  return {static_cast<uint8_t>(row * 64 + column * 2), static_cast<uint8_t>(tiles * 2),
          static_cast<uint8_t>(up), static_cast<uint8_t>(down), static_cast<uint8_t>(left),
          static_cast<uint8_t>(right), static_cast<uint8_t>(~(1u << bit) & 0xFF), halfRow};
}

// Key indices, for the neighbour columns below.
enum : uint8_t {
  k1, k2, k3, k4, k5, k6, k7, k8, k9, k0,
  kQ, kW, kE, kR, kT, kY, kU, kI, kO, kP,
  kA, kS, kD, kF, kG, kH, kJ, kK, kL, kEnter,
  kShift, kZ, kX, kC, kV, kB, kN, kM, kSym, kSpace,
};

}  // namespace

const VirtualKey VirtualKeyTable[kVirtualKeyCount] = {
    //  row col tiles  up      down    left    right   half-row bit
    vk(0, 3, 1, kZ, kQ, k0, k2, kRowA11, 0),  // 1
    vk(0, 4, 1, kX, kW, k1, k3, kRowA11, 1),  // 2
    vk(0, 5, 1, kC, kE, k2, k4, kRowA11, 2),  // 3
    vk(0, 6, 1, kV, kR, k3, k5, kRowA11, 3),  // 4
    vk(0, 7, 1, kB, kT, k4, k6, kRowA11, 4),  // 5
    vk(0, 8, 1, kN, kY, k5, k7, kRowA12, 4),  // 6
    vk(0, 9, 1, kM, kU, k6, k8, kRowA12, 3),  // 7
    vk(0, 10, 1, kSym, kI, k7, k9, kRowA12, 2),  // 8
    vk(0, 11, 1, kSym, kO, k8, k0, kRowA12, 1),  // 9
    vk(0, 12, 1, kSym, kP, k9, k1, kRowA12, 0),  // 0
    vk(1, 3, 1, k1, kA, kP, kW, kRowA10, 0),  // Q
    vk(1, 4, 1, k2, kS, kQ, kE, kRowA10, 1),  // W
    vk(1, 5, 1, k3, kD, kW, kR, kRowA10, 2),  // E
    vk(1, 6, 1, k4, kF, kE, kT, kRowA10, 3),  // R
    vk(1, 7, 1, k5, kG, kR, kY, kRowA10, 4),  // T
    vk(1, 8, 1, k6, kH, kT, kU, kRowA13, 4),  // Y
    vk(1, 9, 1, k7, kJ, kY, kI, kRowA13, 3),  // U
    vk(1, 10, 1, k8, kK, kU, kO, kRowA13, 2),  // I
    vk(1, 11, 1, k9, kL, kI, kP, kRowA13, 1),  // O
    vk(1, 12, 1, k0, kEnter, kO, kQ, kRowA13, 0),  // P
    vk(2, 3, 1, kQ, kZ, kEnter, kS, kRowA9, 0),  // A
    vk(2, 4, 1, kW, kX, kA, kD, kRowA9, 1),  // S
    vk(2, 5, 1, kE, kC, kS, kF, kRowA9, 2),  // D
    vk(2, 6, 1, kR, kV, kD, kG, kRowA9, 3),  // F
    vk(2, 7, 1, kT, kB, kF, kH, kRowA9, 4),  // G
    vk(2, 8, 1, kY, kN, kG, kJ, kRowA14, 4),  // H
    vk(2, 9, 1, kU, kM, kH, kK, kRowA14, 3),  // J
    vk(2, 10, 1, kI, kSym, kJ, kL, kRowA14, 2),  // K
    vk(2, 11, 1, kO, kSym, kK, kEnter, kRowA14, 1),  // L
    vk(2, 12, 3, kP, kSym, kL, kA, kRowA14, 0),  // ENTER
    vk(3, 0, 3, kA, k1, kSpace, kZ, kRowA8, 0),  // SHIFT
    vk(3, 3, 1, kA, k1, kShift, kX, kRowA8, 1),  // Z
    vk(3, 4, 1, kS, k2, kZ, kC, kRowA8, 2),  // X
    vk(3, 5, 1, kD, k3, kX, kV, kRowA8, 3),  // C
    vk(3, 6, 1, kF, k4, kC, kB, kRowA8, 4),  // V
    vk(3, 7, 1, kG, k5, kV, kN, kRowA15, 4),  // B
    vk(3, 8, 1, kH, k6, kB, kM, kRowA15, 3),  // N
    vk(3, 9, 1, kJ, k7, kN, kSym, kRowA15, 2),  // M
    vk(3, 10, 3, kL, k9, kM, kSpace, kRowA15, 1),  // SYM SHIFT
    vk(3, 13, 3, kEnter, k0, kSym, kShift, kRowA15, 0),  // SPACE
};

namespace {

struct PictureMap {
  uint16_t entries[kKeyboardMapEntries];
};

constexpr PictureMap buildPictureMap() {
  PictureMap m{};
  uint16_t tile = kKeyCapFirstTile;
  for (const VirtualKey& k : VirtualKeyTable) {
    for (uint32_t t = 0; t < k.width / 2u; ++t) {
      m.entries[k.mapOffset / 2u + t] = static_cast<uint16_t>(tile++ | kKeyPalette << 12);
    }
  }
  return m;
}

constexpr PictureMap kPicture = buildPictureMap();

constexpr VirtualKeyboardPlacement kPlacements[5] = {
    {160, 0, 0},     // "Disable": BG2 parked where the menu wants it
    {0, 0, 32},      // "Top Left"
    {144, 0, 32},    // "Top Right"
    {0, 128, 96},    // "Bottom Left"
    {144, 128, 96},  // "Bottom Right"
};

constexpr uint16_t kBg2Keyboard = 0x1700;  // screen base 23, priority 0
constexpr uint16_t kBg2MenuMap = 0x1800;   // screen base 24
constexpr uint16_t kWinOutBg2 = 0x0004;

void paintKey(uint8_t index, uint16_t palette) {
  const VirtualKey& k = VirtualKeyTable[index];
  volatile uint16_t* map = at<volatile uint16_t>(kVirtualKeyboardMapBase);
  for (uint32_t i = k.mapOffset / 2u, end = i + k.width / 2u; i < end; ++i) {
    map[i] = static_cast<uint16_t>((map[i] & 0x0FFF) | palette << 12);
  }
}

void parkBg2() {
  REG_DISPCNT &= static_cast<uint16_t>(~DISPCNT_BG2);
  REG_BG2CNT = kBg2MenuMap;
  REG_WINOUT &= static_cast<uint16_t>(~kWinOutBg2);
  REG_BG2VOFS = 0;
  REG_BG2HOFS = 160;
}

}  // namespace

const uint16_t KeyboardPictureMap[kKeyboardMapEntries] = {
#define E(i) kPicture.entries[i]
#define E8(i) E(i), E(i + 1), E(i + 2), E(i + 3), E(i + 4), E(i + 5), E(i + 6), E(i + 7)
    E8(0),  E8(8),  E8(16), E8(24), E8(32), E8(40), E8(48), E8(56),
    E8(64), E8(72), E8(80), E8(88), E8(96), E8(104), E8(112), E8(120),
#undef E8
#undef E
};

VirtualKeyboardPlacement virtualKeyboardPlacement(uint8_t position) {
  return kPlacements[position < 5 ? position : 0];
}

void virtualKeyboardFrame() {
  GlobalsBlock& g = globals();
  uint8_t& selected = g.virtualKeyboardState[kSelectedKeyByte];
  uint8_t& countdown = g.virtualKeyboardState[kRepeatCountdownByte];
  const uint32_t held = ~static_cast<uint32_t>(static_cast<uint16_t>(REG_KEYINPUT));
  constexpr uint32_t kMoveKeys = KEY_A | KEY_B | KEY_RIGHT | KEY_LEFT | KEY_UP | KEY_DOWN;
  if (!(held & kMoveKeys)) {
    countdown = 0;
    return;
  }
  const int left = countdown - 1;
  if (left > 0) {
    countdown = static_cast<uint8_t>(left);
    return;
  }
  countdown = kRepeatFrames;
  if (selected >= kVirtualKeyCount) selected = kVirtualKey1;
  const VirtualKey& k = VirtualKeyTable[selected];
  uint8_t chosen = selected;
  // Later directions replace earlier ones: Right wins, then Left, then Down.
  if (held & KEY_UP) chosen = k.up;
  if (held & KEY_DOWN) chosen = k.down;
  if (held & KEY_LEFT) chosen = k.left;
  if (held & KEY_RIGHT) chosen = k.right;
  if (chosen == selected) return;
  paintKey(selected, kKeyPalette);
  paintKey(chosen, kHighlightPalette);
  selected = chosen;
}

void showVirtualKeyboard() {
  const uint8_t position = globals().virtualKeyboardPosition;
  if (position == 0 || position > 4) {
    parkBg2();
    return;
  }
  const VirtualKeyboardPlacement p = kPlacements[position];
  REG_BG2HOFS = p.hofs;
  REG_BG2VOFS = p.vofsHidden;
  REG_WINOUT |= kWinOutBg2;
  REG_BG2CNT = kBg2Keyboard;
  REG_DISPCNT |= DISPCNT_BG2;
}

void hideVirtualKeyboard() { parkBg2(); }

}  // namespace tmb
