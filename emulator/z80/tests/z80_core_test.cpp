// Focused tests of the core's own rules: line ends, block instructions
// across lines, interrupt acceptance, HALT, R, prefixes, flag tables.
#include <gtest/gtest.h>

#include "test_machine.h"

namespace {

using M = TestMachine;
Z80StateRecord& Rec() { return M::state; }

class Z80Core : public ::testing::Test {
 protected:
  void SetUp() override { M::Reset(); }
  // One charged instruction from PC = at; returns its cost.
  int Step(uint32_t at) {
    Rec().PC = at;
    Rec().tStateCounter = 1;
    M::stepMode = true;
    Z80Run<M>();
    return 1 - Rec().tStateCounter;
  }
  uint32_t Word(uint32_t addr) { return M::memory[addr] | (M::memory[(addr + 1) & 0xFFFF] << 8); }
};

TEST_F(Z80Core, CounterOvershootCarriesIntoNextLine) {
  M::Load(0x8000, {0xDD, 0x34, 0x05});  // INC (IX+5): 23 T-states
  Rec().IX = 0x90000000;
  Rec().PC = 0x8000;
  Rec().tStateCounter = 3;
  M::RunLines(1);
  EXPECT_EQ(Rec().PC, 0x8003u);
  EXPECT_EQ(Rec().tStateCounter, 198);  // 3 - 23 + 218
  EXPECT_EQ(M::lineEnds, 1);
  EXPECT_EQ(M::memory[0x9005], 1);
}

TEST_F(Z80Core, PrefixesChargeOnlyTheWholeInstruction) {
  struct Case {
    std::initializer_list<uint8_t> code;
    int cost;
  };
  const Case cases[] = {
      {{0xDD, 0x21, 0x34, 0x12}, 14}, {{0xCB, 0x00}, 8},         {{0xED, 0x44}, 8},
      {{0xDD, 0x34, 0x01}, 23},       {{0xFD, 0xCB, 0x01, 0x06}, 23}, {{0xDD, 0xCB, 0x01, 0x46}, 20},
      {{0xDD, 0x24}, 9},              {{0xFD, 0x2E, 0x55}, 9},   {{0xED, 0xB3}, 16},  // OTIR with B = 1
  };
  for (const Case& c : cases) {
    M::Reset();
    M::Load(0x8000, c.code);
    Rec().BC = 0x01FE0000;  // B = 1 for OTIR
    EXPECT_EQ(Step(0x8000), c.cost) << std::hex << int(*c.code.begin()) << " " << int(c.code.begin()[1]);
    EXPECT_EQ(Rec().PC, 0x8000u + c.code.size());
  }
}

TEST_F(Z80Core, LdirResumesAcrossLineEnds) {
  for (int i = 0; i < 1000; ++i) M::memory[0x8000 + i] = uint8_t(i * 7 + 1);
  M::Load(0x6000, {0xED, 0xB0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
  Rec().HL = 0x80000000;
  Rec().DE = 0xA0000000;
  Rec().BC = 0x03E80000;  // 1000
  Rec().PC = 0x6000;
  Rec().tStateCounter = 218;
  M::RunLines(1);
  // 11 bytes fit the line (11 x 21 = 231 > 218): the line ends inside LDIR.
  EXPECT_EQ(Rec().PC, 0x6000u);
  EXPECT_EQ(Rec().BC >> 16, 989u);
  EXPECT_EQ(Rec().HL >> 16, 0x800Bu);
  EXPECT_EQ(Rec().DE >> 16, 0xA00Bu);
  EXPECT_EQ(Rec().tStateCounter, 218 - 11 * 21 + 218);
  int lines = 1;
  while (Rec().PC == 0x6000) {
    M::RunLines(1);
    ++lines;
  }
  // Everything after LDIR is NOPs: what the line ends supplied, less what
  // is left and the NOPs run, is what LDIR charged.
  const int nops = int(Rec().PC) - 0x6002;
  EXPECT_EQ(218 + lines * 218 - Rec().tStateCounter - 4 * nops, 999 * 21 + 16);
  EXPECT_EQ(Rec().BC, 0u);
  EXPECT_EQ(Rec().F & PackedFlags::PV, 0u);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(M::memory[0xA000 + i], uint8_t(i * 7 + 1)) << i;
}

TEST_F(Z80Core, WritesBelow4000AreDroppedAndAddressesWrap) {
  M::Load(0x0000, {0xAA, 0xBB});
  M::Load(0x8000, {0x36, 0x99});  // LD (HL),0x99
  Rec().HL = 0x12340000;
  Step(0x8000);
  EXPECT_EQ(M::memory[0x1234], 0);
  M::Load(0x8000, {0x22, 0xFF, 0xFF});  // LD (0xFFFF),HL
  Rec().HL = 0x12340000;
  Step(0x8000);
  EXPECT_EQ(M::memory[0xFFFF], 0x34);
  EXPECT_EQ(M::memory[0x0000], 0xAA);
  M::Load(0x8000, {0xC5});  // PUSH BC with SP = 1
  Rec().SP = 0x0001;
  Rec().BC = 0xBEEF0000;
  Step(0x8000);
  EXPECT_EQ(Rec().SP, 0xFFFFu);
  EXPECT_EQ(M::memory[0xFFFF], 0xEF);
  EXPECT_EQ(M::memory[0x0000], 0xAA);
}

TEST_F(Z80Core, CodeRunsOnFromFFFFIntoTheRom) {
  M::memory[0xFFFF] = 0x00;        // NOP
  M::Load(0x0000, {0x3E, 0x77});   // LD A,0x77 in the ROM, fetched through the mirror
  Rec().PC = 0xFFFF;
  Rec().tStateCounter = 11;
  M::RunLines(1);
  EXPECT_EQ(Rec().A, 0x77000000u);
  EXPECT_EQ(Rec().PC, 0x0002u);
}

TEST_F(Z80Core, InterruptWithSpAt4001DropsTheRomByte) {
  M::memory[0x3FFF] = 0x5A;
  Rec().PC = 0x1234;
  Rec().SP = 0x4001;
  Rec().IM = 1;
  Rec().tStateCounter = 218;
  ASSERT_TRUE(Z80AcceptInterrupt(Rec(), M::memory));
  EXPECT_EQ(M::memory[0x4000], 0x12);
  EXPECT_EQ(M::memory[0x3FFF], 0x5A);
  EXPECT_EQ(Rec().SP, 0x3FFFu);
  EXPECT_EQ(Rec().PC, 0x0038u);
  EXPECT_EQ(Rec().tStateCounter, 218 - 13);
  EXPECT_EQ(Rec().IFF1, kIffDisabled);
  EXPECT_EQ(Rec().IFF2, kIffDisabled);
  EXPECT_FALSE(Z80AcceptInterrupt(Rec(), M::memory)) << "disabled now";
  EXPECT_EQ(Rec().PC, 0x0038u);
}

TEST_F(Z80Core, Mode2VectorFromTopOfMemoryAndFromRom) {
  struct Case {
    uint8_t I;
    uint32_t want;
  };
  M::memory[0xFEFF] = 0x11;
  M::memory[0xFF00] = 0x22;
  M::memory[0xFFFF] = 0x33;
  M::Load(0x0000, {0x44});
  for (const Case c : {Case{0xFE, 0x2211}, Case{0xFF, 0x4433}}) {
    Rec().IFF1 = Rec().IFF2 = kIffEnabled;
    Rec().IM = 2;
    Rec().I = uint32_t(c.I) << 24;
    Rec().SP = 0x8000;
    Rec().tStateCounter = 218;
    ASSERT_TRUE(Z80AcceptInterrupt(Rec(), M::memory));
    EXPECT_EQ(Rec().PC, c.want);
    EXPECT_EQ(Rec().tStateCounter, 218 - 19);
  }
}

// A frame-end hook that accepts the interrupt the way the machine will.
bool AcceptAndStop() {
  Z80AcceptInterrupt(Rec(), M::memory);
  return false;
}

TEST_F(Z80Core, HaltWithInterruptsOnEndsTheFrameAndSilencesIt) {
  std::memset(M::samples, 0xAA, sizeof M::samples);
  M::Load(0x8000, {0x76, 0x00});
  Rec().PC = 0x8000;
  Rec().SP = 0x9000;
  Rec().IM = 1;
  Rec().tStateCounter = 100;
  M::lineIndex = 10;
  M::stepMode = false;
  M::frameEnd = AcceptAndStop;
  Z80Run<M>();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(M::samples[i], 0xAA) << i;
  for (int i = 10; i < 320; ++i) ASSERT_EQ(M::samples[i], 0) << i;
  EXPECT_EQ(M::lineEnds, 1);
  EXPECT_EQ(Rec().PC, 0x0038u);
  EXPECT_EQ(Word(0x8FFE), 0x8001u);
  EXPECT_EQ(Rec().tStateCounter, 218 - 13);  // HALT itself charges nothing
}

TEST_F(Z80Core, HaltWithInterruptsOffContinuesNextFrame) {
  M::Load(0x8000, {0x76, 0x3E, 0x42, 0x76});  // HALT; LD A,0x42; HALT
  Rec().PC = 0x8000;
  Rec().IFF1 = Rec().IFF2 = kIffDisabled;
  Rec().tStateCounter = 100;
  int frames = 0;
  M::stepMode = false;
  M::frameEnd = [&] {
    Z80AcceptInterrupt(Rec(), M::memory);  // refused: interrupts are off
    M::lineIndex = 0;
    return ++frames < 2;
  };
  Z80Run<M>();
  EXPECT_EQ(frames, 2);
  EXPECT_EQ(Rec().A, 0x42000000u);
  EXPECT_EQ(Rec().PC, 0x8004u);
}

TEST_F(Z80Core, EiRightBeforeTheFrameEndTakesTheInterrupt) {
  M::Load(0x8000, {0xFB, 0x00});
  Rec().PC = 0x8000;
  Rec().SP = 0x9000;
  Rec().IFF1 = Rec().IFF2 = kIffDisabled;
  Rec().IM = 1;
  Rec().tStateCounter = 4;
  M::lineIndex = 319;
  M::stepMode = false;
  M::frameEnd = AcceptAndStop;
  Z80Run<M>();
  EXPECT_EQ(Rec().PC, 0x0038u);
  EXPECT_EQ(Word(0x8FFE), 0x8001u);
}

TEST_F(Z80Core, RetnCopiesIff2RetiKeepsBoth) {
  M::Load(0x8000, {0xED, 0x45, 0xED, 0x4D});
  M::Load(0x9000, {0x00, 0x80, 0x02, 0x80});
  Rec().SP = 0x9000;
  Rec().IFF1 = kIffDisabled;
  Rec().IFF2 = kIffEnabled;
  EXPECT_EQ(Step(0x8000), 14);
  EXPECT_EQ(Rec().PC, 0x8000u);
  EXPECT_EQ(Rec().IFF1, kIffEnabled);
  Rec().IFF1 = kIffDisabled;
  EXPECT_EQ(Step(0x8002), 14);
  EXPECT_EQ(Rec().PC, 0x8002u);
  EXPECT_EQ(Rec().IFF1, kIffDisabled);
}

TEST_F(Z80Core, LdAROfTheFourModes) {
  struct Case {
    uint8_t mode, storedR;
    int32_t counter;
    uint8_t want;
  };
  const Case cases[] = {
      {0, 0x80, 0x95, 0x95}, {0, 0x00, 0x95, 0x15}, {1, 0xFF, 100, 0x80}, {1, 0x80, 100, 0x81},
      {2, 0x10, 100, 0x12},  {3, 0x7E, 100, 0x01},  {3, 0xFE, 100, 0x81},
  };
  for (const Case& c : cases) {
    M::Reset();
    M::Load(0x8000, {0xED, 0x5F});
    M::rMode = c.mode;
    Rec().R = c.storedR;
    Rec().F = PackedFlags::C;
    Rec().PC = 0x8000;
    Rec().tStateCounter = c.counter;
    M::stopAtLineEnd = 1;
    M::stepMode = true;
    Z80Run<M>();  // the NOPs after it run until the line ends
    EXPECT_EQ(Rec().A >> 24, c.want) << "mode " << int(c.mode) << " R " << int(c.storedR);
    EXPECT_EQ(Rec().R, c.want);
    EXPECT_EQ(Rec().F & 0x0F, (c.want & 0x80 ? PackedFlags::S : 0u) | PackedFlags::PV | PackedFlags::C)
        << "IFF1 enabled gives P/V; C kept";
  }
}

TEST_F(Z80Core, DaaFollowsTheTableRule) {
  struct Case {
    uint8_t a, f;  // f in PackedFlags
    uint8_t wantA, wantF;
  };
  using namespace PackedFlags;
  const Case cases[] = {
      {0x9A, 0, 0x00, Z | PV | C},
      {0x9A, H, 0xA0, S | PV},  // H set: no 0x60 correction below 0xA0
      {0x0F, N | H, 0x09, N | PV},
      {0x3C, 0, 0x42, PV},      // 0x27 + 0x15
      {0xFF, X | Y, 0x65, C | PV},
  };
  for (const Case& c : cases) {
    M::Reset();
    M::Load(0x8000, {0x27});
    Rec().A = uint32_t(c.a) << 24;
    Rec().F = c.f;
    Step(0x8000);
    EXPECT_EQ(Rec().A >> 24, c.wantA) << std::hex << int(c.a) << " " << int(c.f);
    EXPECT_EQ(Rec().F, c.wantF) << std::hex << int(c.a) << " " << int(c.f);
  }
}

TEST_F(Z80Core, UndocumentedFlagBitsSurvivePopPushAndClearOnInc) {
  M::Load(0x8000, {0xF1, 0xF5, 0x04, 0xF5});  // POP AF; PUSH AF; INC B; PUSH AF
  M::Load(0x9000, {0x28, 0x12});
  Rec().SP = 0x9000;
  Step(0x8000);
  EXPECT_EQ(Rec().F & (PackedFlags::X | PackedFlags::Y), unsigned(PackedFlags::X | PackedFlags::Y));
  Step(0x8001);
  EXPECT_EQ(M::memory[0x9000], 0x28);
  Step(0x8002);
  Step(0x8003);
  EXPECT_EQ(M::memory[0x8FFE] & 0x28, 0);
}

TEST_F(Z80Core, BlockInputSetsZAndNOnlyWhenItEnds) {
  M::portRead = [](uint32_t) -> uint8_t { return 0x01; };  // bit 7 clear: N is ours, not the data's
  M::Load(0x8000, {0xED, 0xB2});  // INIR
  Rec().HL = 0x90000000;
  Rec().BC = 0x02100000;
  Rec().F = 0;
  EXPECT_EQ(Step(0x8000), 21);
  EXPECT_EQ(Rec().PC, 0x8000u);
  EXPECT_EQ(Rec().F, 0u) << "flags untouched while repeating";
  EXPECT_EQ(Step(0x8000), 16);
  EXPECT_EQ(Rec().PC, 0x8002u);
  EXPECT_EQ(Rec().F, unsigned(PackedFlags::Z | PackedFlags::N));
  M::Load(0x8000, {0xED, 0xA3});  // OUTI to port 0xFE
  M::memory[0x9002] = 0x10;
  Rec().BC = 0x05FE0000;
  Rec().F = 0;
  Step(0x8000);
  EXPECT_EQ(M::speaker, 0x80);
  EXPECT_EQ(Rec().F, unsigned(PackedFlags::N));
}

TEST_F(Z80Core, OtirRepeatsOutiUntilBIsZero) {
  M::Load(0x8000, {0xED, 0xB3, 0x00});
  M::Load(0x9000, {0x10, 0x00, 0x10});
  Rec().HL = 0x90000000;
  Rec().BC = 0x03FE0000;
  Rec().PC = 0x8000;
  Rec().tStateCounter = 21 + 21 + 16;
  M::RunLines(1);
  EXPECT_EQ(Rec().PC, 0x8002u);
  EXPECT_EQ(Rec().HL >> 16, 0x9003u);
  EXPECT_EQ(Rec().BC >> 24, 0u);
  EXPECT_EQ(M::speaker, 0x80);
  EXPECT_EQ(Rec().tStateCounter, 218);
}

TEST_F(Z80Core, TablesAreInversePermutations) {
  for (unsigned v = 0; v < 256; ++v) {
    EXPECT_EQ(Z80Tables.PackedToFlagsTable[Z80Tables.FlagsToPackedTable[v]], v);
  }
  EXPECT_EQ(Z80Tables.FlagsToPackedTable[Z80Flags::S | Z80Flags::C], PackedFlags::S | PackedFlags::C);
  EXPECT_EQ(SzpTable[0x00], PackedFlags::Z | PackedFlags::PV);
  EXPECT_EQ(SzpTable[0x80], PackedFlags::S);
}

TEST_F(Z80Core, DamagedSavedStateIsMaskedOnResume) {
  M::Load(0x8000, {0x00});
  Rec().A = 0x12345678;
  Rec().PC = 0x18000;
  Rec().SP = 0x12345;
  M::memory[0x8000] = 0x00;
  Step(0x8000);
  Rec().PC = 0x18000;
  Rec().tStateCounter = 1;
  Z80Run<M>();
  EXPECT_EQ(Rec().A, 0x12000000u);
  EXPECT_EQ(Rec().PC, 0x8001u);
  EXPECT_EQ(Rec().SP, 0x2345u);
}

}  // namespace
