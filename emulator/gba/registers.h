// I/O registers by their hardware names, and the bits we use.
// REG_X = v stores, (uint16_t)REG_X loads; on the cartridge both are single
// volatile accesses, in the host twin they land in the twin's I/O array.
#ifndef TAMBERLIN_GBA_REGISTERS_H
#define TAMBERLIN_GBA_REGISTERS_H

#include "gba/memory.h"

namespace gba {

template <uint32_t ADDRESS, class T>
struct Register {
  static volatile T& ref() { return *at<volatile T>(ADDRESS); }
  void operator=(T value) const { ref() = value; }
  operator T() const { return ref(); }
  void operator|=(T bits) const { ref() = static_cast<T>(ref() | bits); }
  void operator&=(T bits) const { ref() = static_cast<T>(ref() & bits); }
  static constexpr uint32_t address = ADDRESS;
};

template <uint32_t OFFSET>
using Reg16 = Register<IO_BASE + OFFSET, uint16_t>;
template <uint32_t OFFSET>
using Reg32 = Register<IO_BASE + OFFSET, uint32_t>;

// Display
inline constexpr Reg16<0x000> REG_DISPCNT{};
inline constexpr Reg16<0x004> REG_DISPSTAT{};
inline constexpr Reg16<0x006> REG_VCOUNT{};
inline constexpr Reg16<0x008> REG_BG0CNT{};
inline constexpr Reg16<0x00A> REG_BG1CNT{};
inline constexpr Reg16<0x00C> REG_BG2CNT{};
inline constexpr Reg16<0x00E> REG_BG3CNT{};
inline constexpr Reg16<0x010> REG_BG0HOFS{};
inline constexpr Reg16<0x012> REG_BG0VOFS{};
inline constexpr Reg16<0x014> REG_BG1HOFS{};
inline constexpr Reg16<0x016> REG_BG1VOFS{};
inline constexpr Reg16<0x018> REG_BG2HOFS{};
inline constexpr Reg16<0x01A> REG_BG2VOFS{};
inline constexpr Reg16<0x01C> REG_BG3HOFS{};
inline constexpr Reg16<0x01E> REG_BG3VOFS{};
inline constexpr Reg16<0x040> REG_WIN0H{};
inline constexpr Reg16<0x044> REG_WIN0V{};
inline constexpr Reg16<0x048> REG_WININ{};
inline constexpr Reg16<0x04A> REG_WINOUT{};
inline constexpr Reg16<0x050> REG_BLDCNT{};
inline constexpr Reg16<0x052> REG_BLDALPHA{};
inline constexpr Reg16<0x054> REG_BLDY{};

constexpr uint16_t DISPCNT_MODE0 = 0x0000;
constexpr uint16_t DISPCNT_BG0 = 0x0100;
constexpr uint16_t DISPCNT_BG1 = 0x0200;
constexpr uint16_t DISPCNT_BG2 = 0x0400;
constexpr uint16_t DISPCNT_BG3 = 0x0800;
constexpr uint16_t DISPCNT_OBJ = 0x1000;
constexpr uint16_t DISPCNT_WIN0 = 0x2000;

// Sound
inline constexpr Reg16<0x080> REG_SOUNDCNT_L{};
inline constexpr Reg16<0x082> REG_SOUNDCNT_H{};
inline constexpr Reg16<0x084> REG_SOUNDCNT_X{};
inline constexpr Reg16<0x088> REG_SOUNDBIAS{};
constexpr uint32_t FIFO_A = IO_BASE + 0x0A0;
constexpr uint16_t SOUNDCNT_X_ENABLE = 0x0080;

// DMA
inline constexpr Reg32<0x0B0> REG_DMA0SAD{};
inline constexpr Reg32<0x0B4> REG_DMA0DAD{};
inline constexpr Reg16<0x0B8> REG_DMA0CNT_L{};
inline constexpr Reg16<0x0BA> REG_DMA0CNT_H{};
inline constexpr Reg32<0x0BC> REG_DMA1SAD{};
inline constexpr Reg32<0x0C0> REG_DMA1DAD{};
inline constexpr Reg16<0x0C4> REG_DMA1CNT_L{};
inline constexpr Reg16<0x0C6> REG_DMA1CNT_H{};
inline constexpr Reg32<0x0C8> REG_DMA2SAD{};
inline constexpr Reg32<0x0CC> REG_DMA2DAD{};
inline constexpr Reg16<0x0D0> REG_DMA2CNT_L{};
inline constexpr Reg16<0x0D2> REG_DMA2CNT_H{};
inline constexpr Reg32<0x0D4> REG_DMA3SAD{};
inline constexpr Reg32<0x0D8> REG_DMA3DAD{};
inline constexpr Reg16<0x0DC> REG_DMA3CNT_L{};
inline constexpr Reg16<0x0DE> REG_DMA3CNT_H{};

constexpr uint16_t DMA_DEST_FIXED = 0x0040;
constexpr uint16_t DMA_REPEAT = 0x0200;
constexpr uint16_t DMA_32BIT = 0x0400;
constexpr uint16_t DMA_START_SPECIAL = 0x3000;  // sound FIFO for DMA1/2
constexpr uint16_t DMA_ENABLE = 0x8000;
// Sound FIFO feed: 32-bit, repeating, fixed destination, on FIFO request.
constexpr uint16_t DMA_SOUND_FIFO = DMA_ENABLE | DMA_START_SPECIAL | DMA_32BIT | DMA_REPEAT | DMA_DEST_FIXED;

// Timers
inline constexpr Reg16<0x100> REG_TM0CNT_L{};
inline constexpr Reg16<0x102> REG_TM0CNT_H{};
inline constexpr Reg16<0x104> REG_TM1CNT_L{};
inline constexpr Reg16<0x106> REG_TM1CNT_H{};
constexpr uint16_t TM_CASCADE = 0x0004;
constexpr uint16_t TM_IRQ = 0x0040;
constexpr uint16_t TM_ENABLE = 0x0080;

// Keys (a bit is 0 while the button is held)
inline constexpr Reg16<0x130> REG_KEYINPUT{};
constexpr uint16_t KEY_A = 0x0001;
constexpr uint16_t KEY_B = 0x0002;
constexpr uint16_t KEY_SELECT = 0x0004;
constexpr uint16_t KEY_START = 0x0008;
constexpr uint16_t KEY_RIGHT = 0x0010;
constexpr uint16_t KEY_LEFT = 0x0020;
constexpr uint16_t KEY_UP = 0x0040;
constexpr uint16_t KEY_DOWN = 0x0080;
constexpr uint16_t KEY_R = 0x0100;
constexpr uint16_t KEY_L = 0x0200;

// Interrupts
inline constexpr Reg16<0x200> REG_IE{};
inline constexpr Reg16<0x202> REG_IF{};
inline constexpr Reg16<0x204> REG_WAITCNT{};
inline constexpr Reg16<0x208> REG_IME{};
constexpr uint16_t IRQ_VBLANK = 0x0001;
constexpr uint16_t IRQ_TIMER0 = 0x0008;
constexpr uint16_t IRQ_TIMER1 = 0x0010;

}  // namespace gba

#endif  // TAMBERLIN_GBA_REGISTERS_H
