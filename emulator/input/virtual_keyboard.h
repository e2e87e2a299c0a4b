// The virtual keyboard: a picture of the Spectrum keyboard on BG2 in a corner
// of the screen; the D-pad moves a highlight over it and A presses that key.
#ifndef TAMBERLIN_INPUT_VIRTUAL_KEYBOARD_H
#define TAMBERLIN_INPUT_VIRTUAL_KEYBOARD_H

#include <stdint.h>

#include "gba/attributes.h"

namespace tmb {

constexpr uint32_t kVirtualKeyCount = 40;

// One key of the picture. Neighbours wrap round at the keyboard's edges.
struct VirtualKey {
  uint8_t mapOffset;  // byte offset of its first tile in the map: row * 64 + column * 2
  uint8_t width;      // bytes of map entries, 2 per tile
  uint8_t up, down, left, right;  // indices of the keys the D-pad reaches
  uint8_t rowMask;    // its half-row byte with only its bit clear
  uint8_t halfRow;    // KeyboardRows index (0 = A15 ... 7 = A8)
};
static_assert(sizeof(VirtualKey) == 8, "VirtualKeyTable records are 8 bytes");

extern const VirtualKey VirtualKeyTable[kVirtualKeyCount];

// Indices of a few keys the code names.
constexpr uint8_t kVirtualKey1 = 0;
constexpr uint8_t kVirtualKey0 = 9;
constexpr uint8_t kVirtualKeyEnter = 29;
constexpr uint8_t kVirtualKeyShift = 30;
constexpr uint8_t kVirtualKeySymShift = 38;
constexpr uint8_t kVirtualKeySpace = 39;

// The keyboard picture: 32 x 4 BG map entries, copied at boot to screen block
// 23. Key caps are tiles of the menu tile set from kKeyCapFirstTile on, one
// per key (three for the wide keys), in table order, palette bank 4; every
// other entry is the empty tile 0.
constexpr uint32_t kKeyboardMapEntries = 32 * 4;
constexpr uint16_t kKeyCapFirstTile = 152;  // 48 tiles: 152-199
constexpr uint16_t kKeyPalette = 4;          // yellow caps on red
constexpr uint16_t kHighlightPalette = 5;    // the selected key
extern const uint16_t KeyboardPictureMap[kKeyboardMapEntries];

// Bank 5 is ours to choose: red caps on yellow, the reverse of bank 4.
constexpr uint16_t kHighlightColours[3] = {0x0000, 0x001F, 0x03FF};

// Where the keyboard sits for each position setting 1-4 (0 = "Disable").
struct VirtualKeyboardPlacement {
  uint16_t hofs;
  uint16_t vofsShown;
  uint16_t vofsHidden;
};
VirtualKeyboardPlacement virtualKeyboardPlacement(uint8_t position);

// GlobalsBlock 0xCD: the selected key, then the repeat countdown.
constexpr uint32_t kSelectedKeyByte = 0;
constexpr uint32_t kRepeatCountdownByte = 1;
constexpr int kRepeatFrames = 24;

// Frame end, position 1-4, in every front-end mode: moves the highlight on a
// press and again every 24 frames while a direction stays held.
TMB_LONG_CALL void virtualKeyboardFrame();

// The menu starts closing: place BG2 for the position setting (or put it back
// on the menu's map for "Disable"); the closing slide then moves it in.
void showVirtualKeyboard();
// The menu has finished opening: BG2 back to the menu's map, hidden.
void hideVirtualKeyboard();

}  // namespace tmb

#endif  // TAMBERLIN_INPUT_VIRTUAL_KEYBOARD_H
