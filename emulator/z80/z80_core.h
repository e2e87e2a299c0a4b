// The Z80 core's dispatch loop. Include this file only in the translation
// unit that defines the core (Z80_DEFINE_CORE on the GBA, Z80Run<Machine> on
// the host); everything else includes z80.h.
//
// Hot registers: A in bits 24..31 of a word, F as PackedFlags in bits 0..7,
// BC/DE/HL and SP in bits 16..31 (so 16-bit steps wrap by themselves and
// the top half indexes memory as a shifted operand), PC a pointer into
// memory reduced lazily: fetches may run up to 0x10000 + n, which the
// GuardMirror answers; every loaded or stored PC is 16-bit, and each line end
// reduces it. Each switch below is one of the five 256-entry handler tables.
#ifndef TAMBERLIN_Z80_CORE_H
#define TAMBERLIN_Z80_CORE_H

#include "z80.h"
#include "z80_flags.h"

// Hides a value from the optimiser so that it stays in a register.
#define Z80_OPAQUE(x) asm("" : "+r"(x))

// On the GBA the hot registers are global register variables: GCC keeps
// them in r4..r11 across the whole loop instead of shuffling and spilling
// locals. Callee-saved registers survive every call-out. The cost: the
// translation unit that includes this file can use r4..r11 for nothing else,
// so it should hold only the core and its inline call-outs; the entry that
// Z80_DEFINE_CORE makes saves them for its caller.
#if defined(__arm__) && !defined(__linux__)
#define Z80_PINNED_REGISTERS 1
register uint32_t zA asm("r4");          // A << 24
register uint32_t zF asm("r5");          // PackedFlags
register uint32_t zBC asm("r6");         // BC << 16
register uint32_t zDE asm("r7");         // DE << 16
register uint32_t zHL asm("r8");         // HL << 16
register uint32_t zSP asm("r9");         // SP << 16
register const uint8_t* zpc asm("r10");  // PC as a pointer into memory
register int32_t zT asm("r11");          // TStateCounter
#else
#define Z80_PINNED_REGISTERS 0
#endif

namespace z80core {

// The eight CB rotates and shifts: 0 RLC, 1 RRC, 2 RL, 3 RR, 4 SLA, 5 SRA,
// 6 SLL, 7 SRL. F becomes the SzpTable entry with C the bit shifted out.
template <int K>
__attribute__((always_inline)) inline z80flags::Result Rotate(uint32_t v, uint32_t F, const uint8_t* szp) {
  uint32_t r = 0, c = 0;
  switch (K) {
    case 0: c = v >> 7; r = ((v << 1) | c) & 0xFF; break;
    case 1: c = v & 1; r = (v >> 1) | (c << 7); break;
    case 2: c = v >> 7; r = ((v << 1) | ((F >> 1) & 1)) & 0xFF; break;
    case 3: c = v & 1; r = (v >> 1) | ((F & 0x02) << 6); break;
    case 4: c = v >> 7; r = (v << 1) & 0xFF; break;
    case 5: c = v & 1; r = (v >> 1) | (v & 0x80); break;
    case 6: c = v >> 7; r = ((v << 1) | 1) & 0xFF; break;
    default: c = v & 1; r = v >> 1; break;
  }
  return {r, szp[r] | (c << 1)};
}

}  // namespace z80core

// ---- memory ----
#define Z_RD(a) (mem[(a)])
#define Z_WR(a, val)                                   \
  do {                                                 \
    const uint32_t wa_ = (a);                          \
    if (wa_ >= 0x4000) mem[wa_] = (uint8_t)(val);      \
  } while (0)
#if Z80_PINNED_REGISTERS
// Spelled out so that GCC uses the post-indexed load instead of keeping a
// copy of the old PC alive.
#define Z_FETCH() ({ uint32_t b_; asm("ldrb %0, [%1], #1" : "=r"(b_), "+r"(zpc) : "m"(*zpc)); b_; })
#else
#define Z_FETCH() (*zpc++)
#endif
#define Z_FETCH16(dst)                 \
  do {                                 \
    dst = zpc[0] | (zpc[1] << 8);        \
    zpc += 2;                           \
  } while (0)
// PC as a 16-bit value, and loading it.
#define Z_PC ((uint32_t)(zpc - mem))
#define Z_JP(target) zpc = mem + (target)
// JR/DJNZ: the displacement at pc, from the address after it.
#define Z_JR()                                                       \
  do {                                                               \
    zpc += (int32_t)(int8_t)*zpc + 1;                                \
    if (Z_PC >= 0x10000u) zpc = mem + (Z_PC & 0xFFFF); /* wrapped */ \
  } while (0)
#define Z_RD16(dst, a)                                     \
  do {                                                     \
    const uint32_t ra_ = (a);                              \
    dst = mem[ra_] | (mem[(ra_ + 1) & 0xFFFF] << 8);       \
  } while (0)
#define Z_WR16(a, val)                          \
  do {                                          \
    const uint32_t wa2_ = (a);                  \
    const uint32_t wv_ = (val);                 \
    Z_WR(wa2_, wv_ & 0xFF);                     \
    Z_WR((wa2_ + 1) & 0xFFFF, wv_ >> 8);        \
  } while (0)
#define Z_PUSH(val)                   \
  do {                                \
    const uint32_t pv_ = (val);       \
    zSP -= 0x10000;                    \
    Z_WR(zSP >> 16, pv_ >> 8);         \
    zSP -= 0x10000;                    \
    Z_WR(zSP >> 16, pv_ & 0xFF);       \
  } while (0)
#define Z_POP(dst)                    \
  do {                                \
    dst = mem[zSP >> 16];              \
    zSP += 0x10000;                    \
    dst |= mem[zSP >> 16] << 8;        \
    zSP += 0x10000;                    \
  } while (0)
#define Z_CHARGE(n) \
  do {              \
    zT -= (n);       \
    goto test_fetch; \
  } while (0)

// ---- registers ----
#define Z_B (zBC >> 24)
#define Z_C ((zBC >> 16) & 0xFF)
#define Z_D (zDE >> 24)
#define Z_E ((zDE >> 16) & 0xFF)
#define Z_H (zHL >> 24)
#define Z_L ((zHL >> 16) & 0xFF)
#define Z_A (zA >> 24)
#define Z_XH (*IR >> 24)
#define Z_XL ((*IR >> 16) & 0xFF)
// The same registers as top-byte words (low 24 bits zero), which ARM gets
// with at most one AND or as a free shifted operand.
#define Z_B32 (zBC & 0xFF000000)
#define Z_C32 (zBC << 8)
#define Z_D32 (zDE & 0xFF000000)
#define Z_E32 (zDE << 8)
#define Z_H32 (zHL & 0xFF000000)
#define Z_L32 (zHL << 8)
#define Z_A32 (zA)
#define Z_XH32 (*IR & 0xFF000000)
#define Z_XL32 (*IR << 8)
#define Z_SET_B32(t) zBC = (zBC & 0x00FF0000) | (t)
#define Z_SET_C32(t) zBC = (zBC & 0xFF000000) | ((t) >> 8)
#define Z_SET_D32(t) zDE = (zDE & 0x00FF0000) | (t)
#define Z_SET_E32(t) zDE = (zDE & 0xFF000000) | ((t) >> 8)
#define Z_SET_H32(t) zHL = (zHL & 0x00FF0000) | (t)
#define Z_SET_L32(t) zHL = (zHL & 0xFF000000) | ((t) >> 8)
#define Z_SET_A32(t) zA = (t)
#define Z_SET_XH32(t) *IR = (*IR & 0x00FF0000) | (t)
#define Z_SET_XL32(t) *IR = (*IR & 0xFF000000) | ((t) >> 8)
#define Z_SET_B(v) zBC = (zBC & 0x00FF0000) | ((uint32_t)(v) << 24)
#define Z_SET_C(v) zBC = (zBC & 0xFF000000) | ((uint32_t)(v) << 16)
#define Z_SET_D(v) zDE = (zDE & 0x00FF0000) | ((uint32_t)(v) << 24)
#define Z_SET_E(v) zDE = (zDE & 0xFF000000) | ((uint32_t)(v) << 16)
#define Z_SET_H(v) zHL = (zHL & 0x00FF0000) | ((uint32_t)(v) << 24)
#define Z_SET_L(v) zHL = (zHL & 0xFF000000) | ((uint32_t)(v) << 16)
#define Z_SET_A(v) zA = (uint32_t)(v) << 24
#define Z_SET_XH(v) *IR = (*IR & 0x00FF0000) | ((uint32_t)(v) << 24)
#define Z_SET_XL(v) *IR = (*IR & 0xFF000000) | ((uint32_t)(v) << 16)
// (IX+d) / (IY+d): the displacement follows at PC.
#define Z_IDX() ((((*IR) >> 16) + (uint32_t)(int32_t)(int8_t)*zpc++) & 0xFFFF)

// ---- flag groups ----
#define Z_ADD(x32, n) do { const z80flags::Result res_ = z80flags::AddA(zA, (x32)); zA = res_.value; zF = res_.flags; Z_CHARGE(n); } while (0)
// ADC and SBC, rarer and larger, share one tail each (charged before).
#define Z_ADC(x32, n) do { v = (x32) >> 24; zT -= (n); goto adc8; } while (0)
#define Z_SUB(x32, n) do { const z80flags::Result res_ = z80flags::SubA(zA, (x32)); zA = res_.value; zF = res_.flags; Z_CHARGE(n); } while (0)
#define Z_SBC(x32, n) do { v = (x32) >> 24; zT -= (n); goto sbc8; } while (0)
#define Z_AND(x32, n) do { zA &= (x32); zF = szp[zA >> 24] | PackedFlags::H; Z_CHARGE(n); } while (0)
#define Z_XOR(x32, n) do { zA ^= (x32); zF = szp[zA >> 24]; Z_CHARGE(n); } while (0)
#define Z_OR(x32, n) do { zA |= (x32); zF = szp[zA >> 24]; Z_CHARGE(n); } while (0)
#define Z_CP(x32, n) do { zF = z80flags::SubA(zA, (x32)).flags; Z_CHARGE(n); } while (0)
// r = operand + 1 / - 1; C kept.
#define Z_INC(x) do { r = ((x) + 1) & 0xFF; zF = (zF & PackedFlags::C) | IncDecFlagsTable[r]; } while (0)
#define Z_DEC(x) do { r = ((x) - 1) & 0xFF; zF = (zF & PackedFlags::C) | IncDecFlagsTable[256 + r]; } while (0)
// The same on a register in the top byte: t is the new top-byte value.
#define Z_INC32(x32) do { t = (x32) + 0x01000000; zF = (zF & PackedFlags::C) | IncDecFlagsTable[t >> 24]; } while (0)
#define Z_DEC32(x32) do { t = (x32) - 0x01000000; zF = (zF & PackedFlags::C) | IncDecFlagsTable[256 + (t >> 24)]; } while (0)
// ADD HL/IX/IY,rr on 16-bit values: H, N and C only.
#define Z_ADD16(dst, a16, x16) do { t = (a16); v = (x16); r = t + v; \
    zF = (zF & 0xCD) | (((t ^ v ^ r) >> 8) & 0x10) | ((r >> 15) & 0x02); dst = r << 16; } while (0)

// Condition cc (opcode bits 3..5: NZ Z NC C PO PE P M) tests PackedFlags bit
// 2, 1, 0 or 3 (packed two bits each in 0xC6) for 0 or 1.
#define Z_CC(cc) (((zF >> ((0xC6 >> (((cc) >> 1) * 2)) & 3)) & 1) == ((cc) & 1))
#define Z_JR_CASE(cc)                                   \
  case 0x20 + (cc) * 8:                                 \
    if (Z_CC(cc)) { Z_JR(); Z_CHARGE(12); }             \
    zpc += 1;                                            \
    Z_CHARGE(7);
#define Z_RET_CASE(cc)                                  \
  case 0xC0 + (cc) * 8:                                 \
    if (Z_CC(cc)) { Z_POP(t); Z_JP(t); Z_CHARGE(11); }  \
    Z_CHARGE(5);
#define Z_JP_CASE(cc)                                   \
  case 0xC2 + (cc) * 8:                                 \
    if (Z_CC(cc)) { Z_FETCH16(t); Z_JP(t); Z_CHARGE(10); } \
    zpc += 2;                                            \
    Z_CHARGE(10);
#define Z_CALL_CASE(cc)                                 \
  case 0xC4 + (cc) * 8:                                 \
    if (Z_CC(cc)) goto call;                            \
    zpc += 2;                                            \
    Z_CHARGE(10);

// ---- unprefixed row helpers ----
#define Z_ALU_ROW(base, OP)                                               \
  case (base) + 0: OP(Z_B32, 4);                   \
  case (base) + 1: OP(Z_C32, 4);                   \
  case (base) + 2: OP(Z_D32, 4);                   \
  case (base) + 3: OP(Z_E32, 4);                   \
  case (base) + 4: OP(Z_H32, 4);                   \
  case (base) + 5: OP(Z_L32, 4);                   \
  case (base) + 6: OP((uint32_t)Z_RD(zHL >> 16) << 24, 7);   \
  case (base) + 7: OP(Z_A32, 4);
#define Z_ALU_ROW_X(base, OP)                                                   \
  case (base) + 4: OP(Z_XH32, 9);                        \
  case (base) + 5: OP(Z_XL32, 9);                        \
  case (base) + 6: addr = Z_IDX(); OP((uint32_t)Z_RD(addr) << 24, 19);

// LD r,r' rows (dst fixed), the equal pair going to the shared no-op.
#define Z_LD_CASE(op, DST, SRC) case (op): Z_SET_##DST##32(Z_##SRC##32); Z_CHARGE(4);

// ---- CB rows ----
#define Z_ROT(K, x) do { const z80flags::Result res_ = z80core::Rotate<K>((x), zF, szp); r = res_.value; zF = res_.flags; } while (0)
// CB rotates and BIT on registers share one tail per kind (the register is
// put back by op & 7): a branch more for each, a few kilobytes less IWRAM.
// The (HL) forms, common in pixel loops, stay whole.
#define Z_CB_ROT_ROW(K)                                                                      \
  case (K) * 8 + 0: v = Z_B; goto rot##K;                                                    \
  case (K) * 8 + 1: v = Z_C; goto rot##K;                                                    \
  case (K) * 8 + 2: v = Z_D; goto rot##K;                                                    \
  case (K) * 8 + 3: v = Z_E; goto rot##K;                                                    \
  case (K) * 8 + 4: v = Z_H; goto rot##K;                                                    \
  case (K) * 8 + 5: v = Z_L; goto rot##K;                                                    \
  case (K) * 8 + 6: addr = zHL >> 16; Z_ROT(K, Z_RD(addr)); Z_WR(addr, r); Z_CHARGE(15);    \
  case (K) * 8 + 7: v = Z_A; goto rot##K;
#define Z_CB_ROT_TAIL(K) \
  rot##K:                \
  Z_ROT(K, v);           \
  goto cb_put;
#define Z_BITF(x, b) zF = szp[(x) & (1u << (b))] | PackedFlags::H | (zF & PackedFlags::C)
#define Z_CB_BIT_ROW(b)                                                             \
  case 0x40 + (b) * 8 + 0: v = Z_B & (1u << (b)); goto bit_tail;                    \
  case 0x40 + (b) * 8 + 1: v = Z_C & (1u << (b)); goto bit_tail;                    \
  case 0x40 + (b) * 8 + 2: v = Z_D & (1u << (b)); goto bit_tail;                    \
  case 0x40 + (b) * 8 + 3: v = Z_E & (1u << (b)); goto bit_tail;                    \
  case 0x40 + (b) * 8 + 4: v = Z_H & (1u << (b)); goto bit_tail;                    \
  case 0x40 + (b) * 8 + 5: v = Z_L & (1u << (b)); goto bit_tail;                    \
  case 0x40 + (b) * 8 + 6: v = Z_RD(zHL >> 16) & (1u << (b)); zT -= 4; goto bit_tail; \
  case 0x40 + (b) * 8 + 7: v = Z_A & (1u << (b)); goto bit_tail;
// RES (base 0x80) and SET (base 0xC0) on registers: the bit is in the
// register's position inside its word.
#define Z_CB_RES_ROW(b)                                                                   \
  case 0x80 + (b) * 8 + 0: zBC &= ~(1u << (24 + (b))); Z_CHARGE(8);                        \
  case 0x80 + (b) * 8 + 1: zBC &= ~(1u << (16 + (b))); Z_CHARGE(8);                        \
  case 0x80 + (b) * 8 + 2: zDE &= ~(1u << (24 + (b))); Z_CHARGE(8);                        \
  case 0x80 + (b) * 8 + 3: zDE &= ~(1u << (16 + (b))); Z_CHARGE(8);                        \
  case 0x80 + (b) * 8 + 4: zHL &= ~(1u << (24 + (b))); Z_CHARGE(8);                        \
  case 0x80 + (b) * 8 + 5: zHL &= ~(1u << (16 + (b))); Z_CHARGE(8);                        \
  case 0x80 + (b) * 8 + 6: addr = zHL >> 16; Z_WR(addr, Z_RD(addr) & ~(1u << (b))); Z_CHARGE(15); \
  case 0x80 + (b) * 8 + 7: zA &= ~(1u << (24 + (b))); Z_CHARGE(8);
#define Z_CB_SET_ROW(b)                                                                   \
  case 0xC0 + (b) * 8 + 0: zBC |= 1u << (24 + (b)); Z_CHARGE(8);                           \
  case 0xC0 + (b) * 8 + 1: zBC |= 1u << (16 + (b)); Z_CHARGE(8);                           \
  case 0xC0 + (b) * 8 + 2: zDE |= 1u << (24 + (b)); Z_CHARGE(8);                           \
  case 0xC0 + (b) * 8 + 3: zDE |= 1u << (16 + (b)); Z_CHARGE(8);                           \
  case 0xC0 + (b) * 8 + 4: zHL |= 1u << (24 + (b)); Z_CHARGE(8);                           \
  case 0xC0 + (b) * 8 + 5: zHL |= 1u << (16 + (b)); Z_CHARGE(8);                           \
  case 0xC0 + (b) * 8 + 6: addr = zHL >> 16; Z_WR(addr, Z_RD(addr) | (1u << (b))); Z_CHARGE(15); \
  case 0xC0 + (b) * 8 + 7: zA |= 1u << (24 + (b)); Z_CHARGE(8);

// ---- DDCB rows: operand v read from addr before dispatch ----
#define Z_XCB_ROT_ROW(K) \
  case (K) * 8 + 0: case (K) * 8 + 1: case (K) * 8 + 2: case (K) * 8 + 3: \
  case (K) * 8 + 4: case (K) * 8 + 5: case (K) * 8 + 6: case (K) * 8 + 7: \
    Z_ROT(K, v); goto xcb_store;
#define Z_XCB_BIT_ROW(b) \
  case 0x40 + (b) * 8 + 0: case 0x40 + (b) * 8 + 1: case 0x40 + (b) * 8 + 2: case 0x40 + (b) * 8 + 3: \
  case 0x40 + (b) * 8 + 4: case 0x40 + (b) * 8 + 5: case 0x40 + (b) * 8 + 6: case 0x40 + (b) * 8 + 7: \
    Z_BITF(v, b); Z_CHARGE(20);
#define Z_XCB_RES_ROW(b) \
  case 0x80 + (b) * 8 + 0: case 0x80 + (b) * 8 + 1: case 0x80 + (b) * 8 + 2: case 0x80 + (b) * 8 + 3: \
  case 0x80 + (b) * 8 + 4: case 0x80 + (b) * 8 + 5: case 0x80 + (b) * 8 + 6: case 0x80 + (b) * 8 + 7: \
    r = v & ~(1u << (b)); goto xcb_store;
#define Z_XCB_SET_ROW(b) \
  case 0xC0 + (b) * 8 + 0: case 0xC0 + (b) * 8 + 1: case 0xC0 + (b) * 8 + 2: case 0xC0 + (b) * 8 + 3: \
  case 0xC0 + (b) * 8 + 4: case 0xC0 + (b) * 8 + 5: case 0xC0 + (b) * 8 + 6: case 0xC0 + (b) * 8 + 7: \
    r = v | (1u << (b)); goto xcb_store;

template <class Machine>
__attribute__((always_inline)) inline void Z80RunInline() {
  Z80StateRecord& s = Machine::State();
  uint8_t* mem = Machine::Memory();
  Z80_OPAQUE(mem);  // keep the base in a register rather than rebuilding the constant
  const uint8_t* const szp = SzpTable;

#if !Z80_PINNED_REGISTERS
  uint32_t zA, zF, zBC, zDE, zHL, zSP;
  const uint8_t* zpc;  // PC as a pointer into memory
  int32_t zT;
#endif
  uint32_t op, v, t, r, addr;
  uint32_t* IR = &s.IX;  // IndexRegisterPointer

resume:
  // Reload the hot block. Masking keeps a damaged saved state from breaking
  // the representation invariants the handlers rely on.
  zA = s.A & 0xFF000000;
  zF = s.F & 0xFF;
  zBC = s.BC & 0xFFFF0000;
  zDE = s.DE & 0xFFFF0000;
  zHL = s.HL & 0xFFFF0000;
  zSP = s.SP << 16;
  zpc = mem + (s.PC & 0xFFFF);
  zT = s.tStateCounter;

test_fetch:
  if (zT <= 0) {
    int32_t counter = zT;
    const bool frameEnded = Machine::LineEnd(counter);
    zT = counter;
    if (frameEnded) {
      s.szpTable = (uint32_t)(uintptr_t)szp;
      s.tStateCounter = zT;
      s.memoryBase = (uint32_t)(uintptr_t)mem;
      s.A = zA;
      s.F = zF;
      s.BC = zBC;
      s.DE = zDE;
      s.HL = zHL;
      s.SP = zSP >> 16;
      s.PC = Z_PC & 0xFFFF;
      s.resume = 0;
      if (!Machine::FrameEnd()) return;
      goto resume;
    }
    zpc = mem + (Z_PC & 0xFFFF);  // a line is far shorter than the GuardMirror
  }
  op = Z_FETCH();
  switch (op) {
    case 0x00: case 0x40: case 0x49: case 0x52: case 0x5B: case 0x64: case 0x6D: case 0x7F:
      Z_CHARGE(4);  // NOP and LD r,r
    case 0x01: Z_FETCH16(t); zBC = t << 16; Z_CHARGE(10);
    case 0x11: Z_FETCH16(t); zDE = t << 16; Z_CHARGE(10);
    case 0x21: Z_FETCH16(t); zHL = t << 16; Z_CHARGE(10);
    case 0x31: Z_FETCH16(t); zSP = t << 16; Z_CHARGE(10);
    case 0x02: Z_WR(zBC >> 16, Z_A); Z_CHARGE(7);
    case 0x12: Z_WR(zDE >> 16, Z_A); Z_CHARGE(7);
    case 0x0A: Z_SET_A(Z_RD(zBC >> 16)); Z_CHARGE(7);
    case 0x1A: Z_SET_A(Z_RD(zDE >> 16)); Z_CHARGE(7);
    case 0x03: zBC += 0x10000; Z_CHARGE(6);
    case 0x13: zDE += 0x10000; Z_CHARGE(6);
    case 0x23: zHL += 0x10000; Z_CHARGE(6);
    case 0x33: zSP += 0x10000; Z_CHARGE(6);
    case 0x0B: zBC -= 0x10000; Z_CHARGE(6);
    case 0x1B: zDE -= 0x10000; Z_CHARGE(6);
    case 0x2B: zHL -= 0x10000; Z_CHARGE(6);
    case 0x3B: zSP -= 0x10000; Z_CHARGE(6);
    case 0x04: Z_INC32(Z_B32); Z_SET_B32(t); Z_CHARGE(4);
    case 0x0C: Z_INC32(Z_C32); Z_SET_C32(t); Z_CHARGE(4);
    case 0x14: Z_INC32(Z_D32); Z_SET_D32(t); Z_CHARGE(4);
    case 0x1C: Z_INC32(Z_E32); Z_SET_E32(t); Z_CHARGE(4);
    case 0x24: Z_INC32(Z_H32); Z_SET_H32(t); Z_CHARGE(4);
    case 0x2C: Z_INC32(Z_L32); Z_SET_L32(t); Z_CHARGE(4);
    case 0x34: addr = zHL >> 16; Z_INC(Z_RD(addr)); Z_WR(addr, r); Z_CHARGE(11);
    case 0x3C: Z_INC32(Z_A32); Z_SET_A32(t); Z_CHARGE(4);
    case 0x05: Z_DEC32(Z_B32); Z_SET_B32(t); Z_CHARGE(4);
    case 0x0D: Z_DEC32(Z_C32); Z_SET_C32(t); Z_CHARGE(4);
    case 0x15: Z_DEC32(Z_D32); Z_SET_D32(t); Z_CHARGE(4);
    case 0x1D: Z_DEC32(Z_E32); Z_SET_E32(t); Z_CHARGE(4);
    case 0x25: Z_DEC32(Z_H32); Z_SET_H32(t); Z_CHARGE(4);
    case 0x2D: Z_DEC32(Z_L32); Z_SET_L32(t); Z_CHARGE(4);
    case 0x35: addr = zHL >> 16; Z_DEC(Z_RD(addr)); Z_WR(addr, r); Z_CHARGE(11);
    case 0x3D: Z_DEC32(Z_A32); Z_SET_A32(t); Z_CHARGE(4);
    case 0x06: Z_SET_B(Z_FETCH()); Z_CHARGE(7);
    case 0x0E: Z_SET_C(Z_FETCH()); Z_CHARGE(7);
    case 0x16: Z_SET_D(Z_FETCH()); Z_CHARGE(7);
    case 0x1E: Z_SET_E(Z_FETCH()); Z_CHARGE(7);
    case 0x26: Z_SET_H(Z_FETCH()); Z_CHARGE(7);
    case 0x2E: Z_SET_L(Z_FETCH()); Z_CHARGE(7);
    case 0x36: v = Z_FETCH(); Z_WR(zHL >> 16, v); Z_CHARGE(10);
    case 0x3E: Z_SET_A(Z_FETCH()); Z_CHARGE(7);
    case 0x07: t = Z_A >> 7; zA = (zA << 1) | (t << 24); zF = (zF & 0xCD) | (t << 1); Z_CHARGE(4);
    case 0x0F: t = (zA >> 24) & 1; zA = ((zA >> 1) & 0xFF000000) | (t << 31); zF = (zF & 0xCD) | (t << 1); Z_CHARGE(4);
    case 0x17: t = Z_A >> 7; zA = (zA << 1) | ((zF & 0x02) << 23); zF = (zF & 0xCD) | (t << 1); Z_CHARGE(4);
    case 0x1F: t = (zA >> 24) & 1; zA = ((zA >> 1) & 0x7F000000) | ((zF & 0x02) << 30); zF = (zF & 0xCD) | (t << 1); Z_CHARGE(4);
    case 0x08:
      t = s.AF_;
      s.AF_ = zA | Z80Tables.PackedToFlagsTable[zF];
      zA = t & 0xFF000000;
      zF = Z80Tables.FlagsToPackedTable[t & 0xFF];
      Z_CHARGE(4);
    case 0x09: Z_ADD16(zHL, zHL >> 16, zBC >> 16); Z_CHARGE(11);
    case 0x19: Z_ADD16(zHL, zHL >> 16, zDE >> 16); Z_CHARGE(11);
    case 0x29: Z_ADD16(zHL, zHL >> 16, zHL >> 16); Z_CHARGE(11);
    case 0x39: Z_ADD16(zHL, zHL >> 16, zSP >> 16); Z_CHARGE(11);
    case 0x10:  // DJNZ
      zBC -= 0x01000000;
      if (zBC >> 24) {
        Z_JR();
        Z_CHARGE(13);
      }
      zpc += 1;
      Z_CHARGE(8);
    case 0x18: Z_JR(); Z_CHARGE(12);
    Z_JR_CASE(0) Z_JR_CASE(1) Z_JR_CASE(2) Z_JR_CASE(3)
    case 0x22: Z_FETCH16(addr); Z_WR16(addr, zHL >> 16); Z_CHARGE(16);
    case 0x2A: Z_FETCH16(addr); Z_RD16(t, addr); zHL = t << 16; Z_CHARGE(16);
    case 0x32: Z_FETCH16(addr); Z_WR(addr, Z_A); Z_CHARGE(13);
    case 0x3A: Z_FETCH16(addr); Z_SET_A(Z_RD(addr)); Z_CHARGE(13);
    case 0x27:
      t = Z80Tables.DaaTable[(Z_A << 3) | ((zF & 0x02) << 1) | ((zF & 0x20) >> 4) | ((zF & 0x10) >> 4)];
      Z_SET_A(t & 0xFF);
      zF = t >> 24;
      Z_CHARGE(4);
    case 0x2F: zA = ~zA & 0xFF000000; zF |= PackedFlags::H | PackedFlags::N; Z_CHARGE(4);
    case 0x37: zF = (zF & 0xCD) | PackedFlags::C; Z_CHARGE(4);
    case 0x3F: zF = (zF & 0xCD) | ((zF & 0x02) << 3) | ((zF & 0x02) ^ 0x02); Z_CHARGE(4);

    Z_LD_CASE(0x41, B, C) Z_LD_CASE(0x42, B, D) Z_LD_CASE(0x43, B, E)
    Z_LD_CASE(0x44, B, H) Z_LD_CASE(0x45, B, L) Z_LD_CASE(0x47, B, A)
    Z_LD_CASE(0x48, C, B) Z_LD_CASE(0x4A, C, D) Z_LD_CASE(0x4B, C, E)
    Z_LD_CASE(0x4C, C, H) Z_LD_CASE(0x4D, C, L) Z_LD_CASE(0x4F, C, A)
    Z_LD_CASE(0x50, D, B) Z_LD_CASE(0x51, D, C) Z_LD_CASE(0x53, D, E)
    Z_LD_CASE(0x54, D, H) Z_LD_CASE(0x55, D, L) Z_LD_CASE(0x57, D, A)
    Z_LD_CASE(0x58, E, B) Z_LD_CASE(0x59, E, C) Z_LD_CASE(0x5A, E, D)
    Z_LD_CASE(0x5C, E, H) Z_LD_CASE(0x5D, E, L) Z_LD_CASE(0x5F, E, A)
    Z_LD_CASE(0x60, H, B) Z_LD_CASE(0x61, H, C) Z_LD_CASE(0x62, H, D)
    Z_LD_CASE(0x63, H, E) Z_LD_CASE(0x65, H, L) Z_LD_CASE(0x67, H, A)
    Z_LD_CASE(0x68, L, B) Z_LD_CASE(0x69, L, C) Z_LD_CASE(0x6A, L, D)
    Z_LD_CASE(0x6B, L, E) Z_LD_CASE(0x6C, L, H) Z_LD_CASE(0x6F, L, A)
    Z_LD_CASE(0x78, A, B) Z_LD_CASE(0x79, A, C) Z_LD_CASE(0x7A, A, D)
    Z_LD_CASE(0x7B, A, E) Z_LD_CASE(0x7C, A, H) Z_LD_CASE(0x7D, A, L)
    case 0x46: Z_SET_B(Z_RD(zHL >> 16)); Z_CHARGE(7);
    case 0x4E: Z_SET_C(Z_RD(zHL >> 16)); Z_CHARGE(7);
    case 0x56: Z_SET_D(Z_RD(zHL >> 16)); Z_CHARGE(7);
    case 0x5E: Z_SET_E(Z_RD(zHL >> 16)); Z_CHARGE(7);
    case 0x66: Z_SET_H(Z_RD(zHL >> 16)); Z_CHARGE(7);
    case 0x6E: Z_SET_L(Z_RD(zHL >> 16)); Z_CHARGE(7);
    case 0x7E: Z_SET_A(Z_RD(zHL >> 16)); Z_CHARGE(7);
    case 0x70: Z_WR(zHL >> 16, Z_B); Z_CHARGE(7);
    case 0x71: Z_WR(zHL >> 16, Z_C); Z_CHARGE(7);
    case 0x72: Z_WR(zHL >> 16, Z_D); Z_CHARGE(7);
    case 0x73: Z_WR(zHL >> 16, Z_E); Z_CHARGE(7);
    case 0x74: Z_WR(zHL >> 16, Z_H); Z_CHARGE(7);
    case 0x75: Z_WR(zHL >> 16, Z_L); Z_CHARGE(7);
    case 0x77: Z_WR(zHL >> 16, Z_A); Z_CHARGE(7);
    case 0x76:  // HALT ends the frame: no cost of its own
      Machine::Halt();
      zT = 0;
      goto test_fetch;

    Z_ALU_ROW(0x80, Z_ADD)
    Z_ALU_ROW(0x88, Z_ADC)
    Z_ALU_ROW(0x90, Z_SUB)
    Z_ALU_ROW(0x98, Z_SBC)
    Z_ALU_ROW(0xA0, Z_AND)
    Z_ALU_ROW(0xA8, Z_XOR)
    Z_ALU_ROW(0xB0, Z_OR)
    Z_ALU_ROW(0xB8, Z_CP)
    case 0xC6: Z_ADD((uint32_t)Z_FETCH() << 24, 7);
    case 0xCE: Z_ADC((uint32_t)Z_FETCH() << 24, 7);
    case 0xD6: Z_SUB((uint32_t)Z_FETCH() << 24, 7);
    case 0xDE: Z_SBC((uint32_t)Z_FETCH() << 24, 7);
    case 0xE6: Z_AND((uint32_t)Z_FETCH() << 24, 7);
    case 0xEE: Z_XOR((uint32_t)Z_FETCH() << 24, 7);
    case 0xF6: Z_OR((uint32_t)Z_FETCH() << 24, 7);
    case 0xFE: Z_CP((uint32_t)Z_FETCH() << 24, 7);

    Z_RET_CASE(0) Z_RET_CASE(1) Z_RET_CASE(2) Z_RET_CASE(3)
    Z_RET_CASE(4) Z_RET_CASE(5) Z_RET_CASE(6) Z_RET_CASE(7)
    case 0xC9: Z_POP(t); Z_JP(t); Z_CHARGE(10);
    case 0xC1: Z_POP(t); zBC = t << 16; Z_CHARGE(10);
    case 0xD1: Z_POP(t); zDE = t << 16; Z_CHARGE(10);
    case 0xE1: Z_POP(t); zHL = t << 16; Z_CHARGE(10);
    case 0xF1:
      zF = Z80Tables.FlagsToPackedTable[mem[zSP >> 16]];
      zSP += 0x10000;
      Z_SET_A(mem[zSP >> 16]);
      zSP += 0x10000;
      Z_CHARGE(10);
    case 0xC5: Z_PUSH(zBC >> 16); Z_CHARGE(11);
    case 0xD5: Z_PUSH(zDE >> 16); Z_CHARGE(11);
    case 0xE5: Z_PUSH(zHL >> 16); Z_CHARGE(11);
    case 0xF5: Z_PUSH((zA >> 16) | Z80Tables.PackedToFlagsTable[zF]); Z_CHARGE(11);
    Z_JP_CASE(0) Z_JP_CASE(1) Z_JP_CASE(2) Z_JP_CASE(3)
    Z_JP_CASE(4) Z_JP_CASE(5) Z_JP_CASE(6) Z_JP_CASE(7)
    case 0xC3: Z_FETCH16(t); Z_JP(t); Z_CHARGE(10);
    Z_CALL_CASE(0) Z_CALL_CASE(1) Z_CALL_CASE(2) Z_CALL_CASE(3)
    Z_CALL_CASE(4) Z_CALL_CASE(5) Z_CALL_CASE(6) Z_CALL_CASE(7)
    case 0xCD:
    call:
      Z_FETCH16(t);
      Z_PUSH(Z_PC & 0xFFFF);
      Z_JP(t);
      Z_CHARGE(17);
    case 0xC7: case 0xCF: case 0xD7: case 0xDF: case 0xE7: case 0xEF: case 0xF7: case 0xFF:
      Z_PUSH(Z_PC & 0xFFFF);
      Z_JP(op & 0x38);
      Z_CHARGE(11);
    case 0xD3:
      if (Z_FETCH() == 0xFE) Machine::SpeakerLevel() = (zA & 0x10000000) ? 0x80 : 0x00;
      Z_CHARGE(11);
    case 0xDB: v = Z_FETCH(); Z_SET_A(Machine::PortRead((zA >> 16) | v)); Z_CHARGE(11);
    case 0xD9:
      t = s.BC_; s.BC_ = zBC; zBC = t & 0xFFFF0000;
      t = s.DE_; s.DE_ = zDE; zDE = t & 0xFFFF0000;
      t = s.HL_; s.HL_ = zHL; zHL = t & 0xFFFF0000;
      Z_CHARGE(4);
    case 0xE3: Z_RD16(t, zSP >> 16); Z_WR16(zSP >> 16, zHL >> 16); zHL = t << 16; Z_CHARGE(19);
    case 0xE9: Z_JP(zHL >> 16); Z_CHARGE(4);
    case 0xEB: t = zDE; zDE = zHL; zHL = t; Z_CHARGE(4);
    case 0xF3: s.IFF1 = kIffDisabled; s.IFF2 = kIffDisabled; Z_CHARGE(4);
    case 0xFB: s.IFF1 = kIffEnabled; s.IFF2 = kIffEnabled; Z_CHARGE(4);
    case 0xF9: zSP = zHL; Z_CHARGE(6);
    case 0xCB: goto prefix_cb;
    case 0xED: goto prefix_ed;
    case 0xDD: IR = &s.IX; goto prefix_index;
    case 0xFD: IR = &s.IY; goto prefix_index;
    default: __builtin_unreachable();  // every byte has a case
  }

prefix_cb:
  op = Z_FETCH();
  switch (op) {
    Z_CB_ROT_ROW(0) Z_CB_ROT_ROW(1) Z_CB_ROT_ROW(2) Z_CB_ROT_ROW(3)
    Z_CB_ROT_ROW(4) Z_CB_ROT_ROW(5) Z_CB_ROT_ROW(6) Z_CB_ROT_ROW(7)
    Z_CB_BIT_ROW(0) Z_CB_BIT_ROW(1) Z_CB_BIT_ROW(2) Z_CB_BIT_ROW(3)
    Z_CB_BIT_ROW(4) Z_CB_BIT_ROW(5) Z_CB_BIT_ROW(6) Z_CB_BIT_ROW(7)
    Z_CB_RES_ROW(0) Z_CB_RES_ROW(1) Z_CB_RES_ROW(2) Z_CB_RES_ROW(3)
    Z_CB_RES_ROW(4) Z_CB_RES_ROW(5) Z_CB_RES_ROW(6) Z_CB_RES_ROW(7)
    Z_CB_SET_ROW(0) Z_CB_SET_ROW(1) Z_CB_SET_ROW(2) Z_CB_SET_ROW(3)
    Z_CB_SET_ROW(4) Z_CB_SET_ROW(5) Z_CB_SET_ROW(6) Z_CB_SET_ROW(7)
    default: __builtin_unreachable();
  }

  Z_CB_ROT_TAIL(0) Z_CB_ROT_TAIL(1) Z_CB_ROT_TAIL(2) Z_CB_ROT_TAIL(3)
  Z_CB_ROT_TAIL(4) Z_CB_ROT_TAIL(5) Z_CB_ROT_TAIL(6) Z_CB_ROT_TAIL(7)
cb_put:
  switch (op & 7) {
    case 0: Z_SET_B(r); break;
    case 1: Z_SET_C(r); break;
    case 2: Z_SET_D(r); break;
    case 3: Z_SET_E(r); break;
    case 4: Z_SET_H(r); break;
    case 5: Z_SET_L(r); break;
    default: Z_SET_A(r); break;
  }
  Z_CHARGE(8);

bit_tail:  // BIT b: v is the operand AND the bit
  zF = szp[v] | PackedFlags::H | (zF & PackedFlags::C);
  Z_CHARGE(8);

prefix_ed:
  op = Z_FETCH();  // PC is past both bytes; repeats step back by 2
  switch (op) {
    case 0x40: v = Machine::PortRead(zBC >> 16); Z_SET_B(v); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x48: v = Machine::PortRead(zBC >> 16); Z_SET_C(v); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x50: v = Machine::PortRead(zBC >> 16); Z_SET_D(v); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x58: v = Machine::PortRead(zBC >> 16); Z_SET_E(v); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x60: v = Machine::PortRead(zBC >> 16); Z_SET_H(v); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x68: v = Machine::PortRead(zBC >> 16); Z_SET_L(v); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x70: v = Machine::PortRead(zBC >> 16); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x78: v = Machine::PortRead(zBC >> 16); Z_SET_A(v); zF = (zF & 0x02) | szp[v]; Z_CHARGE(12);
    case 0x41: v = Z_B; goto out_c;
    case 0x49: v = Z_C; goto out_c;
    case 0x51: v = Z_D; goto out_c;
    case 0x59: v = Z_E; goto out_c;
    case 0x61: v = Z_H; goto out_c;
    case 0x69: v = Z_L; goto out_c;
    case 0x71: v = 0; goto out_c;
    case 0x79: v = Z_A; goto out_c;
    case 0x42: t = zHL >> 16; v = zBC >> 16; goto sbc16;
    case 0x52: t = zHL >> 16; v = zDE >> 16; goto sbc16;
    case 0x62: t = zHL >> 16; v = t; goto sbc16;
    case 0x72: t = zHL >> 16; v = zSP >> 16; goto sbc16;
    case 0x4A: t = zHL >> 16; v = zBC >> 16; goto adc16;
    case 0x5A: t = zHL >> 16; v = zDE >> 16; goto adc16;
    case 0x6A: t = zHL >> 16; v = t; goto adc16;
    case 0x7A: t = zHL >> 16; v = zSP >> 16; goto adc16;
    case 0x43: Z_FETCH16(addr); Z_WR16(addr, zBC >> 16); Z_CHARGE(20);
    case 0x53: Z_FETCH16(addr); Z_WR16(addr, zDE >> 16); Z_CHARGE(20);
    case 0x63: Z_FETCH16(addr); Z_WR16(addr, zHL >> 16); Z_CHARGE(20);
    case 0x73: Z_FETCH16(addr); Z_WR16(addr, zSP >> 16); Z_CHARGE(20);
    case 0x4B: Z_FETCH16(addr); Z_RD16(t, addr); zBC = t << 16; Z_CHARGE(20);
    case 0x5B: Z_FETCH16(addr); Z_RD16(t, addr); zDE = t << 16; Z_CHARGE(20);
    case 0x6B: Z_FETCH16(addr); Z_RD16(t, addr); zHL = t << 16; Z_CHARGE(20);
    case 0x7B: Z_FETCH16(addr); Z_RD16(t, addr); zSP = t << 16; Z_CHARGE(20);
    case 0x44: case 0x4C: case 0x54: case 0x5C: case 0x64: case 0x6C: case 0x74: case 0x7C:
      v = Z_A; r = 0u - v; zF = z80flags::Sub8(0, v, r); Z_SET_A(r & 0xFF); Z_CHARGE(8);
    case 0x45: case 0x55: case 0x65: case 0x75:  // RETN
      Z_POP(t);
      Z_JP(t);
      s.IFF1 = s.IFF2;
      Z_CHARGE(14);
    case 0x4D: case 0x5D: case 0x6D: case 0x7D:  // RETI
      Z_POP(t);
      Z_JP(t);
      Z_CHARGE(14);
    case 0x46: case 0x4E: case 0x66: case 0x6E: s.IM = 0; Z_CHARGE(8);
    case 0x56: case 0x76: s.IM = 1; Z_CHARGE(8);
    case 0x5E: case 0x7E: s.IM = 2; Z_CHARGE(8);
    case 0x47: s.I = zA; Z_CHARGE(9);
    case 0x4F: s.R = (uint8_t)Z_A; Z_CHARGE(9);
    case 0x57:
      v = s.I >> 24;
      Z_SET_A(v);
      zF = (zF & 0x02) | (szp[v] & 0x0C) | (s.IFF1 == kIffEnabled);
      Z_CHARGE(9);
    case 0x5F:
      t = Machine::RRegisterMode();
      if (t == 0) {
        v = (zT & 0x7F) | (s.R & 0x80);  // the counter before this instruction's charge
      } else {
        v = ((s.R + t) & 0x7F) | (s.R & 0x80);
      }
      s.R = (uint8_t)v;
      Z_SET_A(v);
      zF = (zF & 0x02) | (szp[v] & 0x0C) | (s.IFF1 == kIffEnabled);
      Z_CHARGE(9);
    case 0x67:  // RRD
      addr = zHL >> 16;
      v = Z_RD(addr);
      t = Z_A;
      Z_WR(addr, ((t << 4) | (v >> 4)) & 0xFF);
      t = (t & 0xF0) | (v & 0x0F);
      Z_SET_A(t);
      zF = (zF & 0x02) | szp[t];
      Z_CHARGE(18);
    case 0x6F:  // RLD
      addr = zHL >> 16;
      v = Z_RD(addr);
      t = Z_A;
      Z_WR(addr, ((v << 4) | (t & 0x0F)) & 0xFF);
      t = (t & 0xF0) | (v >> 4);
      Z_SET_A(t);
      zF = (zF & 0x02) | szp[t];
      Z_CHARGE(18);
    case 0xA0: case 0xA8: case 0xB0: case 0xB8: {  // LDI LDD LDIR LDDR
      const uint32_t step = (op & 0x08) ? 0xFFFF0000u : 0x00010000u;
      for (;;) {
        Z_WR(zDE >> 16, Z_RD(zHL >> 16));
        zHL += step;
        zDE += step;
        zBC -= 0x10000;
        if (!(op & 0x10) || zBC == 0) {
          zF = (zF & 0xCE) | (zBC != 0);
          Z_CHARGE(16);
        }
        zT -= 21;
        if (zT < 0) {
          zF = (zF & 0xCE) | PackedFlags::PV;
          zpc -= 2;
          goto test_fetch;
        }
      }
    }
    case 0xA1: case 0xA9: case 0xB1: case 0xB9: {  // CPI CPD CPIR CPDR
      const uint32_t step = (op & 0x08) ? 0xFFFF0000u : 0x00010000u;
      for (;;) {
        v = Z_RD(zHL >> 16);
        t = Z_A;
        r = t - v;
        zHL += step;
        zBC -= 0x10000;
        zF = (zF & 0x02) | PackedFlags::N | (szp[r & 0xFF] & 0x0C) | ((t ^ v ^ r) & 0x10) | (zBC != 0);
        if (!(op & 0x10) || zBC == 0 || t == v) Z_CHARGE(16);
        zT -= 21;
        if (zT < 0) {
          zpc -= 2;
          goto test_fetch;
        }
      }
    }
    case 0xA2: case 0xAA: case 0xB2: case 0xBA:  // INI IND INIR INDR
      v = Machine::PortRead(zBC >> 16);
      Z_WR(zHL >> 16, v);
      zHL += (op & 0x08) ? 0xFFFF0000u : 0x00010000u;
      zBC -= 0x01000000;
      goto block_io_end;
    case 0xA3: case 0xAB: case 0xB3: case 0xBB:  // OUTI OUTD OTIR OTDR
      v = Z_RD(zHL >> 16);
      zHL += (op & 0x08) ? 0xFFFF0000u : 0x00010000u;
      zBC -= 0x01000000;
      if (((zBC >> 16) & 0xFF) == 0xFE) Machine::SpeakerLevel() = (v & 0x10) ? 0x80 : 0x00;
      goto block_io_end;
    default:
      zpc = mem + (Z_PC & 0xFFFF);  // no ED instruction: a two-byte no-op that costs nothing
      goto test_fetch;
  }

block_io_end:
  // The repeating forms step back to their ED and set flags only when B ends at 0.
  if ((op & 0x10) && (zBC >> 24)) {
    zpc -= 2;
    Z_CHARGE(21);
  }
  zF = (zF & ~0x04u) | PackedFlags::N | ((zBC >> 24) ? 0 : PackedFlags::Z);
  Z_CHARGE(16);

out_c:
  if (((zBC >> 16) & 0xFF) == 0xFE) Machine::SpeakerLevel() = (v & 0x10) ? 0x80 : 0x00;
  Z_CHARGE(12);

adc8:
  t = Z_A;
  r = t + v + ((zF >> 1) & 1);
  zF = z80flags::Add8(t, v, r);
  Z_SET_A(r & 0xFF);
  goto test_fetch;

sbc8:
  t = Z_A;
  r = t - v - ((zF >> 1) & 1);
  zF = z80flags::Sub8(t, v, r);
  Z_SET_A(r & 0xFF);
  goto test_fetch;

sbc16:
  r = t - v - ((zF >> 1) & 1);
  zF = z80flags::Sbc16(t, v, r);
  zHL = r << 16;
  Z_CHARGE(15);

adc16:
  r = t + v + ((zF >> 1) & 1);
  zF = z80flags::Adc16(t, v, r);
  zHL = r << 16;
  Z_CHARGE(15);

prefix_index:
  op = Z_FETCH();
  switch (op) {
    case 0x09: Z_ADD16(*IR, *IR >> 16, zBC >> 16); Z_CHARGE(15);
    case 0x19: Z_ADD16(*IR, *IR >> 16, zDE >> 16); Z_CHARGE(15);
    case 0x29: Z_ADD16(*IR, *IR >> 16, *IR >> 16); Z_CHARGE(15);
    case 0x39: Z_ADD16(*IR, *IR >> 16, zSP >> 16); Z_CHARGE(15);
    case 0x21: Z_FETCH16(t); *IR = t << 16; Z_CHARGE(14);
    case 0x22: Z_FETCH16(addr); Z_WR16(addr, *IR >> 16); Z_CHARGE(20);
    case 0x2A: Z_FETCH16(addr); Z_RD16(t, addr); *IR = t << 16; Z_CHARGE(20);
    case 0x23: *IR = ((*IR >> 16) + 1) << 16; Z_CHARGE(10);
    case 0x2B: *IR = ((*IR >> 16) - 1) << 16; Z_CHARGE(10);
    case 0x24: Z_INC32(Z_XH32); Z_SET_XH32(t); Z_CHARGE(9);
    case 0x25: Z_DEC32(Z_XH32); Z_SET_XH32(t); Z_CHARGE(9);
    case 0x2C: Z_INC32(Z_XL32); Z_SET_XL32(t); Z_CHARGE(9);
    case 0x2D: Z_DEC32(Z_XL32); Z_SET_XL32(t); Z_CHARGE(9);
    case 0x26: Z_SET_XH(Z_FETCH()); Z_CHARGE(9);
    case 0x2E: Z_SET_XL(Z_FETCH()); Z_CHARGE(9);
    case 0x34: addr = Z_IDX(); Z_INC(Z_RD(addr)); Z_WR(addr, r); Z_CHARGE(23);
    case 0x35: addr = Z_IDX(); Z_DEC(Z_RD(addr)); Z_WR(addr, r); Z_CHARGE(23);
    case 0x36: addr = Z_IDX(); v = Z_FETCH(); Z_WR(addr, v); Z_CHARGE(19);
    case 0x44: Z_SET_B(Z_XH); Z_CHARGE(9);
    case 0x45: Z_SET_B(Z_XL); Z_CHARGE(9);
    case 0x4C: Z_SET_C(Z_XH); Z_CHARGE(9);
    case 0x4D: Z_SET_C(Z_XL); Z_CHARGE(9);
    case 0x54: Z_SET_D(Z_XH); Z_CHARGE(9);
    case 0x55: Z_SET_D(Z_XL); Z_CHARGE(9);
    case 0x5C: Z_SET_E(Z_XH); Z_CHARGE(9);
    case 0x5D: Z_SET_E(Z_XL); Z_CHARGE(9);
    case 0x7C: Z_SET_A(Z_XH); Z_CHARGE(9);
    case 0x7D: Z_SET_A(Z_XL); Z_CHARGE(9);
    case 0x60: Z_SET_XH(Z_B); Z_CHARGE(9);
    case 0x61: Z_SET_XH(Z_C); Z_CHARGE(9);
    case 0x62: Z_SET_XH(Z_D); Z_CHARGE(9);
    case 0x63: Z_SET_XH(Z_E); Z_CHARGE(9);
    case 0x64: Z_CHARGE(9);
    case 0x65: Z_SET_XH(Z_XL); Z_CHARGE(9);
    case 0x67: Z_SET_XH(Z_A); Z_CHARGE(9);
    case 0x68: Z_SET_XL(Z_B); Z_CHARGE(9);
    case 0x69: Z_SET_XL(Z_C); Z_CHARGE(9);
    case 0x6A: Z_SET_XL(Z_D); Z_CHARGE(9);
    case 0x6B: Z_SET_XL(Z_E); Z_CHARGE(9);
    case 0x6C: Z_SET_XL(Z_XH); Z_CHARGE(9);
    case 0x6D: Z_CHARGE(9);
    case 0x6F: Z_SET_XL(Z_A); Z_CHARGE(9);
    case 0x46: addr = Z_IDX(); Z_SET_B(Z_RD(addr)); Z_CHARGE(19);
    case 0x4E: addr = Z_IDX(); Z_SET_C(Z_RD(addr)); Z_CHARGE(19);
    case 0x56: addr = Z_IDX(); Z_SET_D(Z_RD(addr)); Z_CHARGE(19);
    case 0x5E: addr = Z_IDX(); Z_SET_E(Z_RD(addr)); Z_CHARGE(19);
    case 0x66: addr = Z_IDX(); Z_SET_H(Z_RD(addr)); Z_CHARGE(19);
    case 0x6E: addr = Z_IDX(); Z_SET_L(Z_RD(addr)); Z_CHARGE(19);
    case 0x7E: addr = Z_IDX(); Z_SET_A(Z_RD(addr)); Z_CHARGE(19);
    case 0x70: addr = Z_IDX(); Z_WR(addr, Z_B); Z_CHARGE(19);
    case 0x71: addr = Z_IDX(); Z_WR(addr, Z_C); Z_CHARGE(19);
    case 0x72: addr = Z_IDX(); Z_WR(addr, Z_D); Z_CHARGE(19);
    case 0x73: addr = Z_IDX(); Z_WR(addr, Z_E); Z_CHARGE(19);
    case 0x74: addr = Z_IDX(); Z_WR(addr, Z_H); Z_CHARGE(19);
    case 0x75: addr = Z_IDX(); Z_WR(addr, Z_L); Z_CHARGE(19);
    case 0x77: addr = Z_IDX(); Z_WR(addr, Z_A); Z_CHARGE(19);
    Z_ALU_ROW_X(0x80, Z_ADD)
    Z_ALU_ROW_X(0x88, Z_ADC)
    Z_ALU_ROW_X(0x90, Z_SUB)
    Z_ALU_ROW_X(0x98, Z_SBC)
    Z_ALU_ROW_X(0xA0, Z_AND)
    Z_ALU_ROW_X(0xA8, Z_XOR)
    Z_ALU_ROW_X(0xB0, Z_OR)
    Z_ALU_ROW_X(0xB8, Z_CP)
    case 0xE1: Z_POP(t); *IR = t << 16; Z_CHARGE(14);
    case 0xE5: Z_PUSH(*IR >> 16); Z_CHARGE(15);
    case 0xE3: Z_RD16(t, zSP >> 16); Z_WR16(zSP >> 16, *IR >> 16); *IR = t << 16; Z_CHARGE(23);
    case 0xE9: Z_JP(*IR >> 16); Z_CHARGE(8);
    case 0xF9: zSP = *IR & 0xFFFF0000; Z_CHARGE(10);
    case 0xCB:
      addr = Z_IDX();
      v = Z_RD(addr);
      op = Z_FETCH();
      goto prefix_index_cb;
    default:
      zpc = mem + (Z_PC & 0xFFFF);  // no index form: prefix and byte consumed, nothing charged
      goto test_fetch;
  }

prefix_index_cb:
  switch (op) {
    Z_XCB_ROT_ROW(0) Z_XCB_ROT_ROW(1) Z_XCB_ROT_ROW(2) Z_XCB_ROT_ROW(3)
    Z_XCB_ROT_ROW(4) Z_XCB_ROT_ROW(5) Z_XCB_ROT_ROW(6) Z_XCB_ROT_ROW(7)
    Z_XCB_BIT_ROW(0) Z_XCB_BIT_ROW(1) Z_XCB_BIT_ROW(2) Z_XCB_BIT_ROW(3)
    Z_XCB_BIT_ROW(4) Z_XCB_BIT_ROW(5) Z_XCB_BIT_ROW(6) Z_XCB_BIT_ROW(7)
    Z_XCB_RES_ROW(0) Z_XCB_RES_ROW(1) Z_XCB_RES_ROW(2) Z_XCB_RES_ROW(3)
    Z_XCB_RES_ROW(4) Z_XCB_RES_ROW(5) Z_XCB_RES_ROW(6) Z_XCB_RES_ROW(7)
    Z_XCB_SET_ROW(0) Z_XCB_SET_ROW(1) Z_XCB_SET_ROW(2) Z_XCB_SET_ROW(3)
    Z_XCB_SET_ROW(4) Z_XCB_SET_ROW(5) Z_XCB_SET_ROW(6) Z_XCB_SET_ROW(7)
    default: __builtin_unreachable();
  }

xcb_store:
  // Back to memory, and for the undocumented forms into a register as well.
  Z_WR(addr, r);
  switch (op & 7) {
    case 0: Z_SET_B(r); break;
    case 1: Z_SET_C(r); break;
    case 2: Z_SET_D(r); break;
    case 3: Z_SET_E(r); break;
    case 4: Z_SET_H(r); break;
    case 5: Z_SET_L(r); break;
    case 7: Z_SET_A(r); break;
    default: break;
  }
  Z_CHARGE(23);
}

template <class Machine>
void Z80Run() {
  Z80RunInline<Machine>();
}

#if Z80_PINNED_REGISTERS
// The loop uses r4..r11 without saving them, so the entry saves them for its
// caller: a run that ends (tests, benchmarks) returns cleanly.
#define Z80_DEFINE_CORE(name, Machine)                                                   \
  extern "C" Z80_IWRAM_CODE("z80core") void name##Loop() { Z80RunInline<Machine>(); }   \
  extern "C" __attribute__((section(".iwram.text.z80core"), target("arm"), naked)) void name() { \
    asm volatile("push {r4-r11, ip, lr}\n\tbl " #name "Loop\n\tpop {r4-r11, ip, lr}\n\tbx lr"); \
  }
#else
#define Z80_DEFINE_CORE(name, Machine) \
  void name() { Z80RunInline<Machine>(); }
#endif

#undef Z_RD
#undef Z_WR
#undef Z_FETCH
#undef Z_FETCH16
#undef Z_PC
#undef Z_JP
#undef Z_JR
#undef Z_RD16
#undef Z_WR16
#undef Z_PUSH
#undef Z_POP
#undef Z_CHARGE
#undef Z_B
#undef Z_C
#undef Z_D
#undef Z_E
#undef Z_H
#undef Z_L
#undef Z_A
#undef Z_XH
#undef Z_XL
#undef Z_SET_B
#undef Z_SET_C
#undef Z_SET_D
#undef Z_SET_E
#undef Z_SET_H
#undef Z_SET_L
#undef Z_SET_A
#undef Z_SET_XH
#undef Z_SET_XL
#undef Z_IDX
#undef Z_ADD
#undef Z_ADC
#undef Z_SUB
#undef Z_SBC
#undef Z_AND
#undef Z_XOR
#undef Z_OR
#undef Z_CP
#undef Z_INC
#undef Z_DEC
#undef Z_ADD16
#undef Z_CC
#undef Z_JR_CASE
#undef Z_RET_CASE
#undef Z_JP_CASE
#undef Z_CALL_CASE
#undef Z_ALU_ROW
#undef Z_ALU_ROW_X
#undef Z_LD_CASE
#undef Z_CB_ROT_ROW
#undef Z_CB_ROT_TAIL
#undef Z_ROT
#undef Z_BITF
#undef Z_CB_BIT_ROW
#undef Z_CB_RES_ROW
#undef Z_CB_SET_ROW
#undef Z_XCB_ROT_ROW
#undef Z_XCB_BIT_ROW
#undef Z_XCB_RES_ROW
#undef Z_XCB_SET_ROW

#endif  // TAMBERLIN_Z80_CORE_H
