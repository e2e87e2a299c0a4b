// Differential test: every executed opcode of every prefix group, from many
// register, flag and memory states, one instruction in our core and in
// libz80ex; registers, memory, speaker and T-states must agree except where
// the table kDeviations says our core differs by design.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

extern "C" {
#include <z80ex/z80ex.h>
}

#include "test_machine.h"

namespace {

enum Group { kMain, kCB, kED, kDD, kFD, kDDCB, kFDCB };
const char* const kGroupName[] = {"", "CB ", "ED ", "DD ", "FD ", "DD CB d ", "FD CB d "};

// What may differ from z80ex, by design.
enum : unsigned {
  kIgnoreXY = 1u << 0,        // F bits 3 and 5
  kOnlyZ = 1u << 1,           // compare only Z of F
  kIgnoreF = 1u << 2,         // F not compared
  kIgnoreH = 1u << 3,         // F bit 4 not compared
  kCost9 = 1u << 4,           // our cost is 9 T-states, not z80ex's
  kIff1EqualsIff2 = 1u << 5,  // run only from states with IFF1 = IFF2
  kValidBcdOnly = 1u << 6,    // run only where both decimal-adjust rules agree
  kRMode2 = 1u << 7,          // R read in mode "Increment +2" (z80ex counts two M1 cycles)
};

bool In(int op, std::initializer_list<int> set) {
  for (int v : set)
    if (v == op) return true;
  return false;
}
bool IsIndexRegisterForm(int op) {  // IXH/IXL/IYH/IYL as an 8-bit register
  const int lo = op & 7, hi = (op >> 3) & 7;
  if (In(op, {0x24, 0x25, 0x2C, 0x2D})) return true;
  if (op >= 0x40 && op < 0x80 && op != 0x76 && (lo == 4 || lo == 5 || hi == 4 || hi == 5))
    return lo != 6 && hi != 6;
  return op >= 0x80 && op < 0xC0 && (lo == 4 || lo == 5);
}
bool IsIndexPrefix(Group g) { return g == kDD || g == kFD; }

struct Deviation {
  const char* what;
  bool (*applies)(Group, int);
  unsigned mask;
};

const Deviation kDeviations[] = {
    {"undocumented X/Y flags are never computed", [](Group, int) { return true; }, kIgnoreXY},
    {"DD/FD 8-bit forms on IXH, IXL, IYH, IYL charge 9",
     [](Group g, int op) { return IsIndexPrefix(g) && IsIndexRegisterForm(op); }, kCost9},
    {"LD IXH,n / LD IXL,n / LD IYH,n / LD IYL,n charge 9",
     [](Group g, int op) { return IsIndexPrefix(g) && (op == 0x26 || op == 0x2E); }, kCost9},
    {"INI/IND/OUTI/OUTD and repeats set only Z (and N always, focused tests)",
     [](Group g, int op) { return g == kED && (op & 0xE6) == 0xA2; }, kOnlyZ},
    {"INIR/INDR/OTIR/OTDR leave F as it was until B reaches 0",
     [](Group g, int op) { return g == kED && (op & 0xF6) == 0xB2; }, kIgnoreF},
    {"DAA clears H; invalid BCD follows the DaaTable rule (focused tests)",
     [](Group g, int op) { return g == kMain && op == 0x27; }, kIgnoreH | kValidBcdOnly},
    {"LD A,I / LD A,R take P/V from IFF1 (z80ex: IFF2)",
     [](Group g, int op) { return g == kED && (op == 0x57 || op == 0x5F); }, kIff1EqualsIff2},
    {"LD A,R: R is produced when read, not counted",
     [](Group g, int op) { return g == kED && op == 0x5F; }, kRMode2},
    {"RETI and its copies ED 5D/6D/7D keep the flip-flops (z80ex: IFF1 = IFF2)",
     [](Group g, int op) { return g == kED && In(op, {0x4D, 0x5D, 0x6D, 0x7D}); }, kIff1EqualsIff2},
};
// Not compared with z80ex at all, each checked against our own rule below or
// in the focused tests: HALT (ends the frame), ED bytes without an ED
// instruction and DD/FD before a byte without an index form (two-byte
// no-operations that charge nothing), and R after every instruction.

unsigned MaskFor(Group g, int op) {
  unsigned m = 0;
  for (const Deviation& d : kDeviations)
    if (d.applies(g, op)) m |= d.mask;
  return m;
}

bool EdExecutes(int op) {
  if (op >= 0x40 && op < 0x80) return op != 0x77 && op != 0x7F;
  return (op & 0xE4) == 0xA0;  // A0-A3, A8-AB, B0-B3, B8-BB
}
bool HasIndexForm(int op) {
  static const int kForms[][2] = {
      {0x09, 0x09}, {0x19, 0x19}, {0x21, 0x26}, {0x29, 0x2E}, {0x34, 0x36}, {0x39, 0x39},
      {0x44, 0x46}, {0x4C, 0x4E}, {0x54, 0x56}, {0x5C, 0x5E}, {0x60, 0x75}, {0x77, 0x77},
      {0x7C, 0x7E}, {0x84, 0x86}, {0x8C, 0x8E}, {0x94, 0x96}, {0x9C, 0x9E}, {0xA4, 0xA6},
      {0xAC, 0xAE}, {0xB4, 0xB6}, {0xBC, 0xBE}, {0xCB, 0xCB}, {0xE1, 0xE1}, {0xE3, 0xE3},
      {0xE5, 0xE5}, {0xE9, 0xE9}, {0xF9, 0xF9}};
  for (const auto& f : kForms)
    if (op >= f[0] && op <= f[1]) return true;
  return false;
}

// ---- a machine-neutral register set ----
struct Regs {
  uint16_t AF, BC, DE, HL, SP, PC, IX, IY, AF_, BC_, DE_, HL_;
  uint8_t I, IFF1, IFF2, IM;
  int tstates;
  int speaker;  // -1 = untouched
};

std::string Describe(const Regs& r) {
  char buf[256];
  std::snprintf(buf, sizeof buf,
                "AF=%04X BC=%04X DE=%04X HL=%04X SP=%04X PC=%04X IX=%04X IY=%04X AF'=%04X BC'=%04X DE'=%04X "
                "HL'=%04X I=%02X IFF=%d/%d IM=%d T=%d spk=%d",
                r.AF, r.BC, r.DE, r.HL, r.SP, r.PC, r.IX, r.IY, r.AF_, r.BC_, r.DE_, r.HL_, r.I, r.IFF1, r.IFF2,
                r.IM, r.tstates, r.speaker);
  return buf;
}

// ---- z80ex side ----
uint8_t gRefMem[0x10000];
int gRefSpeaker;
uint8_t PortValue(uint16_t port) { return static_cast<uint8_t>((port * 0x9E3779B1u) >> 24); }

Z80EX_BYTE RefRead(Z80EX_CONTEXT*, Z80EX_WORD addr, int, void*) { return gRefMem[addr]; }
void RefWrite(Z80EX_CONTEXT*, Z80EX_WORD addr, Z80EX_BYTE v, void*) {
  if (addr >= 0x4000) gRefMem[addr] = v;
}
Z80EX_BYTE RefIn(Z80EX_CONTEXT*, Z80EX_WORD port, void*) { return PortValue(port); }
void RefOut(Z80EX_CONTEXT*, Z80EX_WORD port, Z80EX_BYTE v, void*) {
  if ((port & 0xFF) == 0xFE) gRefSpeaker = (v & 0x10) ? 0x80 : 0x00;
}
Z80EX_BYTE RefIntRead(Z80EX_CONTEXT*, void*) { return 0xFF; }

Z80EX_CONTEXT* NewRef() {
  return z80ex_create(RefRead, nullptr, RefWrite, nullptr, RefIn, nullptr, RefOut, nullptr, RefIntRead, nullptr);
}

void RefSet(Z80EX_CONTEXT* cpu, const Regs& r, uint8_t R) {
  z80ex_set_reg(cpu, regAF, r.AF);
  z80ex_set_reg(cpu, regBC, r.BC);
  z80ex_set_reg(cpu, regDE, r.DE);
  z80ex_set_reg(cpu, regHL, r.HL);
  z80ex_set_reg(cpu, regSP, r.SP);
  z80ex_set_reg(cpu, regPC, r.PC);
  z80ex_set_reg(cpu, regIX, r.IX);
  z80ex_set_reg(cpu, regIY, r.IY);
  z80ex_set_reg(cpu, regAF_, r.AF_);
  z80ex_set_reg(cpu, regBC_, r.BC_);
  z80ex_set_reg(cpu, regDE_, r.DE_);
  z80ex_set_reg(cpu, regHL_, r.HL_);
  z80ex_set_reg(cpu, regI, r.I);
  z80ex_set_reg(cpu, regR, R & 0x7F);
  z80ex_set_reg(cpu, regR7, R & 0x80);
  z80ex_set_reg(cpu, regIM, r.IM);
  z80ex_set_reg(cpu, regIFF1, r.IFF1);
  z80ex_set_reg(cpu, regIFF2, r.IFF2);
}

Regs RefGet(Z80EX_CONTEXT* cpu) {
  Regs r{};
  r.AF = z80ex_get_reg(cpu, regAF);
  r.BC = z80ex_get_reg(cpu, regBC);
  r.DE = z80ex_get_reg(cpu, regDE);
  r.HL = z80ex_get_reg(cpu, regHL);
  r.SP = z80ex_get_reg(cpu, regSP);
  r.PC = z80ex_get_reg(cpu, regPC);
  r.IX = z80ex_get_reg(cpu, regIX);
  r.IY = z80ex_get_reg(cpu, regIY);
  r.AF_ = z80ex_get_reg(cpu, regAF_);
  r.BC_ = z80ex_get_reg(cpu, regBC_);
  r.DE_ = z80ex_get_reg(cpu, regDE_);
  r.HL_ = z80ex_get_reg(cpu, regHL_);
  r.I = static_cast<uint8_t>(z80ex_get_reg(cpu, regI));
  r.IM = static_cast<uint8_t>(z80ex_get_reg(cpu, regIM));
  r.IFF1 = static_cast<uint8_t>(z80ex_get_reg(cpu, regIFF1));
  r.IFF2 = static_cast<uint8_t>(z80ex_get_reg(cpu, regIFF2));
  r.speaker = gRefSpeaker;
  return r;
}

// ---- our side ----
void OursSet(const Regs& r, uint8_t R) {
  Z80StateRecord& s = TestMachine::state;
  s.A = uint32_t(r.AF >> 8) << 24;
  s.F = Z80Tables.FlagsToPackedTable[r.AF & 0xFF];
  s.BC = uint32_t(r.BC) << 16;
  s.DE = uint32_t(r.DE) << 16;
  s.HL = uint32_t(r.HL) << 16;
  s.SP = r.SP;
  s.PC = r.PC;
  s.IX = uint32_t(r.IX) << 16;
  s.IY = uint32_t(r.IY) << 16;
  s.AF_ = (uint32_t(r.AF_ >> 8) << 24) | (r.AF_ & 0xFF);
  s.BC_ = uint32_t(r.BC_) << 16;
  s.DE_ = uint32_t(r.DE_) << 16;
  s.HL_ = uint32_t(r.HL_) << 16;
  s.I = uint32_t(r.I) << 24;
  s.R = R;
  s.IM = r.IM;
  s.IFF1 = r.IFF1 ? kIffEnabled : kIffDisabled;
  s.IFF2 = r.IFF2 ? kIffEnabled : kIffDisabled;
}

Regs OursGet() {
  const Z80StateRecord& s = TestMachine::state;
  Regs r{};
  r.AF = uint16_t(((s.A >> 24) << 8) | Z80Tables.PackedToFlagsTable[s.F & 0xFF]);
  r.BC = uint16_t(s.BC >> 16);
  r.DE = uint16_t(s.DE >> 16);
  r.HL = uint16_t(s.HL >> 16);
  r.SP = uint16_t(s.SP);
  r.PC = uint16_t(s.PC);
  r.IX = uint16_t(s.IX >> 16);
  r.IY = uint16_t(s.IY >> 16);
  r.AF_ = uint16_t(((s.AF_ >> 24) << 8) | (s.AF_ & 0xFF));
  r.BC_ = uint16_t(s.BC_ >> 16);
  r.DE_ = uint16_t(s.DE_ >> 16);
  r.HL_ = uint16_t(s.HL_ >> 16);
  r.I = uint8_t(s.I >> 24);
  r.IM = s.IM;
  r.IFF1 = s.IFF1 == kIffEnabled;
  r.IFF2 = s.IFF2 == kIffEnabled;
  return r;
}

// ---- states ----
const uint16_t kEdge16[] = {0x0000, 0x0001, 0x00FF, 0x0100, 0x3FFF, 0x4000, 0x4001, 0x7FFF,
                            0x8000, 0x8001, 0xFF00, 0xFFFE, 0xFFFF, 0x0FFF, 0x1000, 0xEFFF};
const uint8_t kEdge8[] = {0x00, 0x01, 0x0F, 0x10, 0x7F, 0x80, 0x81, 0x99, 0x9A, 0xA0, 0xF0, 0xFE, 0xFF};

struct Gen {
  std::mt19937 rng{12345};
  uint32_t Next() { return rng(); }
  uint16_t W() { return (Next() % 4 == 0) ? kEdge16[Next() % std::size(kEdge16)] : uint16_t(Next()); }
  uint8_t B() { return (Next() % 4 == 0) ? kEdge8[Next() % std::size(kEdge8)] : uint8_t(Next()); }
};

// The DAA rules agree on A and C except for invalid BCD inputs.
bool DaaRulesAgree(uint16_t af) {
  const unsigned a = af >> 8, f = af & 0xFF;
  const bool c = f & 0x01, n = f & 0x02, h = f & 0x10;
  if (!n) return !(h && a >= 0x9A && a <= 0x9F);
  return !((!h && (a & 0x0F) > 9) || (!c && a > 0x99));
}

std::vector<uint8_t> Encode(Group g, int op) {
  switch (g) {
    case kMain: return {uint8_t(op)};
    case kCB: return {0xCB, uint8_t(op)};
    case kED: return {0xED, uint8_t(op)};
    case kDD: return {0xDD, uint8_t(op)};
    case kFD: return {0xFD, uint8_t(op)};
    case kDDCB: return {0xDD, 0xCB, 0x00, uint8_t(op)};  // displacement filled in per state
    case kFDCB: return {0xFD, 0xCB, 0x00, uint8_t(op)};
  }
  return {};
}

class Z80Diff : public ::testing::Test {
 protected:
  void SetUp() override {
    TestMachine::Reset();
    TestMachine::portRead = [](uint32_t port) { return PortValue(uint16_t(port)); };
    ref_ = NewRef();
    for (auto& b : base_) b = uint8_t(gen_.Next());
  }
  void TearDown() override { z80ex_destroy(ref_); }

  // Runs one instruction from a random state in both cores; returns false
  // (with a message) on the first disagreement.
  bool RunOne(Group g, int op, unsigned mask, std::string* why) {
    Regs in{};
    uint8_t R;
    do {
      in.AF = gen_.W();
      in.AF = uint16_t((gen_.B() << 8) | (in.AF & 0xFF));
    } while ((mask & kValidBcdOnly) && !DaaRulesAgree(in.AF));
    in.BC = gen_.W(); in.DE = gen_.W(); in.HL = gen_.W(); in.SP = gen_.W();
    in.IX = gen_.W(); in.IY = gen_.W();
    in.AF_ = uint16_t(gen_.Next()); in.BC_ = gen_.W(); in.DE_ = gen_.W(); in.HL_ = gen_.W();
    in.I = gen_.B();
    in.IM = uint8_t(gen_.Next() % 3);
    in.IFF1 = gen_.Next() & 1;
    in.IFF2 = (mask & kIff1EqualsIff2) ? in.IFF1 : (gen_.Next() & 1);
    R = uint8_t(gen_.Next());
    // Mostly in RAM; sometimes straddling the top of memory into the ROM.
    const uint32_t where = gen_.Next() % 16;
    in.PC = where == 0 ? uint16_t(0xFFFC + gen_.Next() % 4) : uint16_t(0x4000 + gen_.Next() % 0xBFF0);

    std::vector<uint8_t> code = Encode(g, op);
    if (g == kDDCB || g == kFDCB) code[2] = gen_.B();
    for (size_t i = 0; i < code.size(); ++i) base_[(in.PC + i) & 0xFFFF] = code[i];

    // z80ex
    std::memcpy(gRefMem, base_, sizeof base_);
    gRefSpeaker = -1;
    RefSet(ref_, in, R);
    int refT = 0;
    do refT += z80ex_step(ref_);
    while (z80ex_last_op_type(ref_) != 0);
    Regs want = RefGet(ref_);
    want.tstates = refT;

    // ours
    std::memcpy(TestMachine::memory, base_, sizeof base_);
    TestMachine::SyncMirror();
    TestMachine::speaker = 0x55;
    TestMachine::rMode = (mask & kRMode2) ? 2 : 0;
    OursSet(in, R);
    TestMachine::state.tStateCounter = 1;
    Z80Run<TestMachine>();
    Regs got = OursGet();
    got.tstates = 1 - TestMachine::state.tStateCounter;
    got.speaker = TestMachine::speaker == 0x55 ? -1 : TestMachine::speaker;

    // Apply the masks.
    unsigned fmask = 0xFF;
    if (mask & kIgnoreXY) fmask &= ~0x28u;
    if (mask & kIgnoreH) fmask &= ~0x10u;
    if (mask & kOnlyZ) fmask &= 0x40;
    if (mask & kIgnoreF) fmask = 0;
    want.AF &= uint16_t(0xFF00 | fmask);
    got.AF &= uint16_t(0xFF00 | fmask);
    if (mask & kCost9) want.tstates = 9;

    std::string diff;
    if (std::memcmp(&want, &got, sizeof want) != 0) diff = "registers differ";
    int badAddr = -1;
    if (std::memcmp(gRefMem, TestMachine::memory, 0x10000) != 0)
      for (int a = 0; a < 0x10000 && badAddr < 0; ++a)
      if (gRefMem[a] != TestMachine::memory[a]) badAddr = a;
    if (badAddr >= 0) {
      char buf[96];
      std::snprintf(buf, sizeof buf, "memory differs at %04X: want %02X got %02X", badAddr, gRefMem[badAddr],
                    TestMachine::memory[badAddr]);
      diff += diff.empty() ? buf : std::string("; ") + buf;
    }
    if (diff.empty()) return true;
    char head[64];
    std::snprintf(head, sizeof head, "%s%02X: ", kGroupName[g], op);
    *why = head + diff + "\n  from " + Describe(in) + "\n  want " + Describe(want) + "\n  got  " + Describe(got);
    return false;
  }

  void CheckGroup(Group g, bool (*executes)(int)) {
    int failures = 0;
    for (int op = 0; op < 256; ++op) {
      if (!executes(op)) continue;
      const unsigned mask = MaskFor(g, op);
      for (auto& b : base_) b = uint8_t(gen_.Next());  // fresh memory per opcode
      for (int i = 0; i < kStatesPerOpcode; ++i) {
        std::string why;
        if (!RunOne(g, op, mask, &why)) {
          ADD_FAILURE() << why;
          if (++failures > 20) return;
          break;
        }
      }
    }
  }

  // A byte our core consumes with its prefix: PC + 2, nothing else, no charge.
  void CheckNoOps(uint8_t prefix, bool (*executes)(int)) {
    for (int op = 0; op < 256; ++op) {
      if (executes(op)) continue;
      TestMachine::Reset();
      TestMachine::Load(0x8000, {prefix, uint8_t(op), 0x00});
      Z80StateRecord& s = TestMachine::state;
      s.PC = 0x8000; s.A = 0x12000000; s.F = 0x5A; s.BC = 0x34560000; s.HL = 0x789A0000; s.SP = 0x9000;
      s.tStateCounter = 1;
      Z80StateRecord before = s;
      Z80Run<TestMachine>();
      EXPECT_EQ(s.PC, 0x8003u) << std::hex << int(prefix) << " " << op;
      EXPECT_EQ(s.tStateCounter, 1 - 4) << "the no-op charged: " << std::hex << int(prefix) << " " << op;
      EXPECT_EQ(s.A, before.A);
      EXPECT_EQ(s.F, before.F);
      EXPECT_EQ(s.BC, before.BC);
      EXPECT_EQ(s.HL, before.HL);
      EXPECT_EQ(s.SP, before.SP);
      EXPECT_EQ(s.IX, before.IX);
    }
  }

  static constexpr int kStatesPerOpcode = 300;
  Gen gen_;
  Z80EX_CONTEXT* ref_ = nullptr;
  uint8_t base_[0x10000];
};

TEST_F(Z80Diff, DeviationTable) {
  // Printed so that a reader of the log sees every mask in force.
  for (const Deviation& d : kDeviations) std::printf("  masked: %s\n", d.what);
  SUCCEED();
}

TEST_F(Z80Diff, Unprefixed) {
  CheckGroup(kMain, [](int op) { return op != 0x76 && op != 0xCB && op != 0xDD && op != 0xED && op != 0xFD; });
}
TEST_F(Z80Diff, CB) { CheckGroup(kCB, [](int) { return true; }); }
TEST_F(Z80Diff, ED) { CheckGroup(kED, EdExecutes); }
TEST_F(Z80Diff, DD) { CheckGroup(kDD, [](int op) { return HasIndexForm(op) && op != 0xCB; }); }
TEST_F(Z80Diff, FD) { CheckGroup(kFD, [](int op) { return HasIndexForm(op) && op != 0xCB; }); }
TEST_F(Z80Diff, DDCB) { CheckGroup(kDDCB, [](int) { return true; }); }
TEST_F(Z80Diff, FDCB) { CheckGroup(kFDCB, [](int) { return true; }); }

TEST_F(Z80Diff, UndefinedEdAndIndexFormsAreFreeNoOps) {
  CheckNoOps(0xED, EdExecutes);
  CheckNoOps(0xDD, HasIndexForm);
  CheckNoOps(0xFD, HasIndexForm);
}

TEST_F(Z80Diff, InterruptAcceptance) {
  for (int i = 0; i < 3000; ++i) {
    Regs in{};
    in.AF = uint16_t(gen_.Next()); in.BC = gen_.W(); in.DE = gen_.W(); in.HL = gen_.W();
    in.SP = gen_.W(); in.PC = gen_.W(); in.I = gen_.B(); in.IM = uint8_t(gen_.Next() % 3);
    in.IFF1 = in.IFF2 = (gen_.Next() % 4) != 0;
    for (auto& b : base_) b = uint8_t(gen_.Next());

    Z80EX_CONTEXT* cpu = NewRef();  // fresh: no EI shadow from earlier steps
    std::memcpy(gRefMem, base_, sizeof base_);
    gRefSpeaker = -1;
    RefSet(cpu, in, 0);
    Regs want = RefGet(cpu);
    want.tstates = z80ex_int(cpu);
    want = [&] { Regs w = RefGet(cpu); w.tstates = want.tstates; return w; }();
    z80ex_destroy(cpu);

    std::memcpy(TestMachine::memory, base_, sizeof base_);
    TestMachine::SyncMirror();
    OursSet(in, 0);
    TestMachine::state.tStateCounter = 218;
    Z80AcceptInterrupt(TestMachine::state, TestMachine::memory);
    Regs got = OursGet();
    got.tstates = 218 - TestMachine::state.tStateCounter;
    got.speaker = -1;

    ASSERT_EQ(Describe(want), Describe(got)) << "from " << Describe(in);
    ASSERT_EQ(0, std::memcmp(gRefMem, TestMachine::memory, 0x10000)) << "from " << Describe(in);
  }
}

}  // namespace
