#include "frontend/snapshot_loaders.h"

#include "boot/globals.h"
#include "boot/memory_map.h"
#include "z80/z80_tables.h"

namespace tmb {

namespace {

constexpr uint32_t kRamStart = 0x4000;
constexpr uint32_t kAddressSpaceEnd = 0x10000;

uint32_t word(const uint8_t* p) { return p[0] | p[1] << 8; }

uint8_t* z80Memory() { return gba::at<uint8_t>(kZ80Memory); }

// The next destination byte of a decompression. Writes past 0xFFFF are dropped,
// so a foreign or damaged file can never reach the memory behind Z80 RAM.
struct Destination {
  uint8_t* memory;
  uint32_t address;
  void put(uint8_t v) {
    if (address < kAddressSpaceEnd) memory[address] = v;
    ++address;
  }
  void fill(uint8_t v, uint32_t n) {
    if (address < kAddressSpaceEnd) {
      const uint32_t room = kAddressSpaceEnd - address;
      uint8_t* d = memory + address;
      for (uint32_t i = n < room ? n : room; i != 0; --i) *d++ = v;
    }
    address += n;
  }
};

// Input: 0xED 0xED n b is n copies of b, 0xED 0xED 0x00 ends the data, any
// other byte (a lone 0xED included) stands for itself. Stops when the budget
// of input bytes is used up.
void decompress(const uint8_t* src, int32_t budget, uint32_t to) {
  Destination d{z80Memory(), to};
  while (budget > 0) {
    const uint8_t x = *src++;
    if (x != 0xED) {
      d.put(x);
      budget -= 1;
      continue;
    }
    const uint8_t y = *src++;
    if (y != 0xED) {
      d.put(0xED);
      d.put(y);
      budget -= 2;
      continue;
    }
    const uint8_t n = *src++;
    if (n == 0) return;
    d.fill(*src++, n);
    budget -= 4;
  }
}

uint32_t load32(const uint8_t* aligned) {
  uint32_t w;
  __builtin_memcpy(&w, __builtin_assume_aligned(aligned, 4), 4);
  return w;
}
void store32(uint8_t* aligned, uint32_t w) { __builtin_memcpy(__builtin_assume_aligned(aligned, 4), &w, 4); }

// The cartridge is read a word at a time: from ROM a byte costs as much as a
// word, and the files lie at any alignment. An unaligned source is read as
// aligned words and shifted into place (the up to three bytes read around it
// are cartridge bytes and harmless).
void copyRaw(const uint8_t* src, uint32_t count, uint32_t to) {
  if (to >= kAddressSpaceEnd) return;
  if (count > kAddressSpaceEnd - to) count = kAddressSpaceEnd - to;
  uint8_t* d = z80Memory() + to;
  for (; count != 0 && (reinterpret_cast<uintptr_t>(d) & 3) != 0; --count) *d++ = *src++;
  const uint32_t skew = reinterpret_cast<uintptr_t>(src) & 3;
  const uint8_t* s = src - skew;
  uint32_t words = count / 4;
  if (skew == 0) {
    for (; words != 0; --words, s += 4, d += 4) store32(d, load32(s));
  } else {
    const uint32_t right = 8 * skew, left = 32 - right;
    uint32_t low = load32(s);
    for (; words != 0; --words, d += 4) {
      s += 4;
      const uint32_t high = load32(s);
      store32(d, low >> right | high << left);
      low = high;
    }
  }
  src = s + skew;
  for (count &= 3; count != 0; --count) *d++ = *src++;
}

uint32_t pageAddress(uint8_t page) {
  switch (page) {
    case 8: return 0x4000;
    case 4: return 0x8000;
    case 5: return 0xC000;
    default: return 0;  // a 128K page or another machine's: not ours to load
  }
}

void finishLoad(Z80StateRecord& z) {
  z.tStateCounter = kTStatesPerLine;
  globals().samplePosition = 0;
}

}  // namespace

void loadSna(uint32_t snapshot) {
  const uint8_t* f = gba::at<const uint8_t>(snapshot);
  Z80StateRecord& z = globals().z80;
  z.I = static_cast<uint32_t>(f[0]) << 24;
  z.HL_ = word(f + 1) << 16;
  z.DE_ = word(f + 3) << 16;
  z.BC_ = word(f + 5) << 16;
  z.AF_ = static_cast<uint32_t>(f[8]) << 24 | f[7];
  z.HL = word(f + 9) << 16;
  z.DE = word(f + 11) << 16;
  z.BC = word(f + 13) << 16;
  z.IY = word(f + 15) << 16;
  z.IX = word(f + 17) << 16;
  z.IFF1 = z.IFF2 = (f[19] & 0x04) ? kIffEnabled : kIffDisabled;
  z.R = f[20];
  z.F = Z80Tables.FlagsToPackedTable[f[21]];
  z.A = static_cast<uint32_t>(f[22]) << 24;
  z.IM = f[25];
  copyRaw(f + kSnaHeaderSize, kAddressSpaceEnd - kRamStart, kRamStart);

  // No PC in the file: it was pushed. Pop it as POP would, wrapping at 64K
  // (at SP 0xFFFF the high byte comes from the ROM at 0x0000).
  const uint8_t* mem = z80Memory();
  const uint32_t sp = word(f + 23);
  z.PC = mem[sp] | mem[(sp + 1) & 0xFFFF] << 8;
  z.SP = (sp + 2) & 0xFFFF;
  finishLoad(z);
}

void loadZ80(uint32_t snapshot) {
  const uint8_t* f = gba::at<const uint8_t>(snapshot);
  Z80StateRecord& z = globals().z80;
  z.A = static_cast<uint32_t>(f[0]) << 24;
  z.F = Z80Tables.FlagsToPackedTable[f[1]];
  z.BC = word(f + 2) << 16;
  z.HL = word(f + 4) << 16;
  z.PC = word(f + 6);
  z.SP = word(f + 8);
  z.I = static_cast<uint32_t>(f[10]) << 24;
  z.R = f[11];
  z.DE = word(f + 13) << 16;
  z.BC_ = word(f + 15) << 16;
  z.DE_ = word(f + 17) << 16;
  z.HL_ = word(f + 19) << 16;
  z.AF_ = static_cast<uint32_t>(f[21]) << 24 | f[22];
  z.IY = word(f + 23) << 16;
  z.IX = word(f + 25) << 16;
  z.IFF1 = z.IFF2 = f[27] != 0 ? kIffEnabled : kIffDisabled;
  z.IM = f[29] & 3;

  if (z.PC != 0) {  // version 1: one stream, compressed or not, from 0x4000
    decompress(f + kZ80HeaderSize, kZ80Version1Budget, kRamStart);
    finishLoad(z);
    return;
  }
  z.PC = word(f + 32);
  const uint8_t* block = f + 32 + f[30];
  for (int i = 0; i < 3; ++i) {
    const uint32_t length = word(block);
    const uint32_t to = pageAddress(block[2]);
    if (length == kZ80RawBlockLength) {
      if (to != 0) copyRaw(block + 3, 0x4000, to);
      block += 3 + 0x4000;
      continue;
    }
    if (to != 0) decompress(block + 3, static_cast<int32_t>(length), to);
    block += 3 + length;
  }
  finishLoad(z);
}

void runSnapshotLoader(uint8_t type, uint32_t snapshot) {
  if (type == 0) {
    loadSna(snapshot);
  } else {
    loadZ80(snapshot);
  }
}

}  // namespace tmb
