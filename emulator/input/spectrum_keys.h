// The SpectrumKeyCode numbering the builder writes into every ControlMap:
// five codes per keyboard half-row, then the Kempston directions and fire.
#ifndef TAMBERLIN_INPUT_SPECTRUM_KEYS_H
#define TAMBERLIN_INPUT_SPECTRUM_KEYS_H

#include <stdint.h>

namespace tmb {

namespace key {
constexpr uint8_t None = 0;
constexpr uint8_t B = 1, N = 2, M = 3, SymShift = 4, Space = 5;
constexpr uint8_t H = 6, J = 7, K = 8, L = 9, Enter = 10;
constexpr uint8_t Y = 11, U = 12, I = 13, O = 14, P = 15;
constexpr uint8_t D6 = 16, D7 = 17, D8 = 18, D9 = 19, D0 = 20;
constexpr uint8_t D5 = 21, D4 = 22, D3 = 23, D2 = 24, D1 = 25;
constexpr uint8_t T = 26, R = 27, E = 28, W = 29, Q = 30;
constexpr uint8_t G = 31, F = 32, D = 33, S = 34, A = 35;
constexpr uint8_t V = 36, C = 37, X = 38, Z = 39, Shift = 40;
constexpr uint8_t JoyRight = 41, JoyLeft = 42, JoyDown = 43, JoyUp = 44, JoyFire = 45;
constexpr uint8_t Last = JoyFire;
}  // namespace key

// Bytes of a ControlMap, in KEYINPUT bit order.
enum Button : uint8_t {
  kButtonA, kButtonB, kButtonSelect, kButtonStart,
  kButtonRight, kButtonLeft, kButtonUp, kButtonDown,
  kButtonR, kButtonL,
  kButtonCount
};

// KeyboardRows index of each address line: A15 first, A8 last.
constexpr uint8_t kRowA15 = 0, kRowA14 = 1, kRowA13 = 2, kRowA12 = 3;
constexpr uint8_t kRowA11 = 4, kRowA10 = 5, kRowA9 = 6, kRowA8 = 7;

}  // namespace tmb

#endif  // TAMBERLIN_INPUT_SPECTRUM_KEYS_H
