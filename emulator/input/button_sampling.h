// Button sampling: the held GBA buttons written into the KeyboardRows and the
// KempstonState. The port read calls sampleButtons() (or inlines
// sampleButtonsFrom) at the start of every IN while the game runs.
#ifndef TAMBERLIN_INPUT_BUTTON_SAMPLING_H
#define TAMBERLIN_INPUT_BUTTON_SAMPLING_H

#include <stdint.h>

#include "boot/globals.h"
#include "gba/registers.h"
#include "input/button_actions.h"
#include "input/virtual_keyboard.h"

namespace tmb {

namespace detail {
// One load of the action word; the byte fields come out of it by shifts.
__attribute__((always_inline)) inline void perform(uint8_t* block, const ButtonAction& a) {
  uint32_t w;
  __builtin_memcpy(&w, &a, sizeof w);
  uint8_t& b = block[w & 0xFF];
  b = static_cast<uint8_t>((b & ~(w >> 8)) | (w >> 16));
}
}  // namespace detail

// keyinput: KEYINPUT as read (a bit is 0 while its button is held).
__attribute__((always_inline)) inline void sampleButtonsFrom(uint32_t keyinput, GlobalsBlock& g) {
  using namespace gba;
  if (g.virtualKeyboardPosition != 0) {
    // Each step replaces a whole half-row, so on one row the later step wins.
    if (!(keyinput & KEY_A)) {
      const VirtualKey& k = VirtualKeyTable[g.virtualKeyboardState[kSelectedKeyByte]];
      g.keyboardRows[k.halfRow] = k.rowMask;
    }
    if (!(keyinput & KEY_B)) g.keyboardRows[kRowA14] = 0xFE;  // ENTER
    if (!(keyinput & KEY_L)) g.keyboardRows[kRowA8] = 0xFE;   // CAPS SHIFT
    if (!(keyinput & KEY_R)) g.keyboardRows[kRowA15] = 0xFD;  // SYM SHIFT
    return;
  }
  uint8_t* block = reinterpret_cast<uint8_t*>(&g);
  const ButtonAction* a = ButtonActions;
  if (!(keyinput & KEY_A)) detail::perform(block, a[kButtonA]);
  if (!(keyinput & KEY_B)) detail::perform(block, a[kButtonB]);
  if (!(keyinput & KEY_SELECT)) detail::perform(block, a[kButtonSelect]);
  if (!(keyinput & KEY_START)) detail::perform(block, a[kButtonStart]);
  // A pad cannot be pressed both ways: Right hides Left, Up hides Down.
  if (!(keyinput & KEY_RIGHT)) detail::perform(block, a[kButtonRight]);
  else if (!(keyinput & KEY_LEFT)) detail::perform(block, a[kButtonLeft]);
  if (!(keyinput & KEY_UP)) detail::perform(block, a[kButtonUp]);
  else if (!(keyinput & KEY_DOWN)) detail::perform(block, a[kButtonDown]);
  if (!(keyinput & KEY_R)) detail::perform(block, a[kButtonR]);
  if (!(keyinput & KEY_L)) detail::perform(block, a[kButtonL]);
}

// Reads KEYINPUT once and samples; ARM code in IWRAM beside the port read.
void sampleButtons();

}  // namespace tmb

#endif  // TAMBERLIN_INPUT_BUTTON_SAMPLING_H
