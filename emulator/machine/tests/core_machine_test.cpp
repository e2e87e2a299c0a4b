// The real Z80 core running small programs over the machine: samples, HALT,
// the frame interrupt, port reads.
#include "machine/spectrum_machine.h"
#include "machine_fixture.h"
#include "z80/z80_core.h"

namespace tmb {
namespace {

class CoreMachineTest : public test::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    Z80Reset(g.z80);
  }
  void load(uint16_t at, std::initializer_list<uint8_t> bytes) {
    uint8_t* mem = test::z80Memory();
    for (uint8_t b : bytes) mem[at++] = b;
    std::memcpy(mem + 0x10000, mem, 0x100);  // GuardMirror
  }
  // Runs until `frames` frame ends have passed.
  void runFrames(int frames) {
    framesLeft = frames;
    hostRunOn = [] { return --framesLeft > 0; };
    Z80Run<SpectrumMachine>();
  }
  inline static int framesLeft = 0;
};

// IM 1 handler at 0x0038: count the interrupts at 0x5000, EI, RET.
const std::initializer_list<uint8_t> kCountingHandler = {
    0xF5,              // push af
    0x3A, 0x00, 0x50,  // ld a,(0x5000)
    0x3C,              // inc a
    0x32, 0x00, 0x50,  // ld (0x5000),a
    0xF1,              // pop af
    0xFB,              // ei
    0xC9,              // ret
};

TEST_F(CoreMachineTest, BeeperSquareWaveIsSampledOncePerLine) {
  // Toggle the speaker every 218 T-states: out (11) + xor (7) + ld b (7) +
  // 14 x djnz (13) - 5 + nop (4) + jr (12) = 218.
  load(0x8000, {
                   0x3E, 0x00,        // ld a,0
                   0xD3, 0xFE,        // loop: out (0xFE),a
                   0xEE, 0x10,        //       xor 0x10
                   0x06, 0x0E,        //       ld b,14
                   0x10, 0xFE,        //       djnz $
                   0x00,              //       nop
                   0x18, 0xF5,        //       jr loop
               });
  g.z80.PC = 0x8000;
  g.z80.SP = 0xFF00;
  g.z80.IFF1 = g.z80.IFF2 = kIffDisabled;
  runFrames(2);  // the second frame is steady from its first line
  const uint8_t* samples = gba::host::bytes(kSampleBuffer1, 320);
  int changes = 0;
  for (int i = 1; i < 320; ++i) {
    ASSERT_TRUE(samples[i] == 0x00 || samples[i] == 0x80);
    if (samples[i] != samples[i - 1]) ++changes;
  }
  EXPECT_EQ(changes, 319);  // about 8,000 Hz: a new level at every line
  EXPECT_EQ(g.frameCounter, 2);
}

TEST_F(CoreMachineTest, HaltSilencesTheRestOfTheFrameAndTheInterruptReturnsAfterIt) {
  load(0x0038, kCountingHandler);
  // Speaker on, spend a little over ten lines, then HALT.
  load(0x8000, {
                   0x3E, 0x10,        // ld a,0x10
                   0xD3, 0xFE,        // out (0xFE),a
                   0x01, 0x2C, 0x01,  // ld bc,300 -> 300 x (6 + 4 + 4 + 12) T-states
                   0x0B,              // wait: dec bc
                   0x78,              //       ld a,b
                   0xB1,              //       or c
                   0x20, 0xFB,        //       jr nz,wait
                   0x76,              // halt
                   0x18, 0xFD,        // jr halt (0x800D)
               });
  g.z80.PC = 0x8000;
  g.z80.SP = 0xFF00;
  g.z80.IM = 1;
  runFrames(1);
  const uint8_t* samples = gba::host::bytes(kSampleBuffer1, 320);
  int loud = 0;
  while (loud < 320 && samples[loud] == 0x80) ++loud;
  EXPECT_GE(loud, 35);  // 300 x 26 / 218 lines with the speaker on
  EXPECT_LE(loud, 37);
  for (int i = loud; i < 320; ++i) ASSERT_EQ(samples[i], 0) << i;
  // Accepted at the frame end: the address after HALT on the stack, PC at 0x38.
  EXPECT_EQ(g.z80.PC, 0x0038);
  EXPECT_EQ(g.z80.SP, 0xFEFE);
  EXPECT_EQ(test::z80Memory()[0xFEFE] | test::z80Memory()[0xFEFF] << 8, 0x800D);
  EXPECT_EQ(g.z80.IFF1, kIffDisabled);
  EXPECT_EQ(g.samplePosition, 0);
  // HALT every frame: the handler runs once per frame.
  runFrames(10);
  EXPECT_EQ(test::z80Memory()[0x5000], 10);
}

TEST_F(CoreMachineTest, DisabledInterruptsAreNotKeptPending) {
  load(0x0038, kCountingHandler);
  load(0x8000, {0x18, 0xFE});  // jr $
  g.z80.PC = 0x8000;
  g.z80.SP = 0xFF00;
  g.z80.IM = 1;
  g.z80.IFF1 = g.z80.IFF2 = kIffDisabled;
  runFrames(3);
  EXPECT_EQ(test::z80Memory()[0x5000], 0);
  EXPECT_EQ(g.z80.PC, 0x8000);
  EXPECT_EQ(g.frameCounter, 3);
}

TEST_F(CoreMachineTest, InReadsTheKeyStateAndOutSetsOnlyTheSpeaker) {
  load(0x8000, {
                   0x3E, 0x7F,        // ld a,0x7F
                   0xDB, 0xFE,        // in a,(0xFE)
                   0x32, 0x00, 0x60,  // ld (0x6000),a
                   0x01, 0x1F, 0x00,  // ld bc,0x001F
                   0xED, 0x78,        // in a,(c)
                   0x32, 0x01, 0x60,  // ld (0x6001),a
                   0x3E, 0x17,        // ld a,0x17
                   0xD3, 0xFE,        // out (0xFE),a
                   0x76,              // halt
               });
  g.z80.PC = 0x8000;
  g.z80.SP = 0xFF00;
  g.z80.IFF1 = g.z80.IFF2 = kIffDisabled;
  g.frontEndMode = kModeIntro;  // not running: nothing sampled, nothing held
  runFrames(1);
  EXPECT_EQ(test::z80Memory()[0x6000], 0xFF);
  EXPECT_EQ(test::z80Memory()[0x6001], 0x00);
  EXPECT_EQ(g.speakerLevel, 0x80);
}

}  // namespace
}  // namespace tmb
