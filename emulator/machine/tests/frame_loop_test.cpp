// The frame end's steps and the tick interrupt, driven directly.
#include "machine/frame_loop.h"

#include "gba/registers.h"
#include "machine/sound.h"
#include "machine_fixture.h"

namespace tmb {
namespace {

using FrameLoopTest = test::MachineTest;

TEST_F(FrameLoopTest, LineEndRecordsOneSamplePerLineAndEndsTheFrameAt320) {
  int32_t counter = -3;
  g.speakerLevel = 0x80;
  for (int line = 0; line < 319; ++line) {
    if (line == 100) g.speakerLevel = 0x00;
    ASSERT_FALSE(lineEnd(counter)) << line;
  }
  EXPECT_TRUE(lineEnd(counter));
  EXPECT_EQ(counter, -3 + 320 * 218);
  EXPECT_EQ(g.samplePosition, 320);
  const uint8_t* samples = test::writeBuffer();
  EXPECT_EQ(samples[0], 0x80);
  EXPECT_EQ(samples[99], 0x80);
  EXPECT_EQ(samples[100], 0x00);
  // After HALT the line end stores nothing more and still adds its line.
  g.samplePosition = 10;
  g.speakerLevel = 0x80;
  silenceRestOfFrame();
  EXPECT_EQ(g.samplePosition, 320);
  EXPECT_EQ(samples[9], 0x80);
  for (int i = 10; i < 320; ++i) ASSERT_EQ(samples[i], 0) << i;
  counter = 0;
  EXPECT_TRUE(lineEnd(counter));
  EXPECT_EQ(counter, 218);
  EXPECT_EQ(samples[319], 0);
  EXPECT_EQ(*gba::host::bytes(kSampleBuffer1 + 320, 1), 0);  // never beyond the 320th
}

TEST_F(FrameLoopTest, FrameskipDrawsFourMinusNOfEveryFourFramesAndTheFlashRunsOn) {
  uint8_t* mem = test::z80Memory();
  for (uint8_t skip = 0; skip < 4; ++skip) {
    g.frameskip = skip;
    g.frameCounter = 0;
    int drawn = 0;
    for (int frame = 1; frame <= 8; ++frame) {
      mem[0x4000] = static_cast<uint8_t>(frame);  // top-left cell changes every frame
      mem[0x5800] = 0xB8;
      frameEndWork();
      EXPECT_EQ(g.frameCounter, frame);
      const bool expectDrawn = (frame & 3) >= skip;
      const uint32_t row = test::tileWord(0, 0);
      // Flash phase 0 here (counter below 16): ink black (8) on white (7).
      uint32_t expected = 0;
      for (int x = 0; x < 8; ++x) expected |= ((frame >> (7 - x)) & 1 ? 8u : 7u) << (4 * x);
      if (expectDrawn) {
        EXPECT_EQ(row, expected) << "frameskip " << int(skip) << " frame " << frame;
        ++drawn;
      } else {
        EXPECT_NE(row, expected) << "frameskip " << int(skip) << " frame " << frame;
      }
    }
    EXPECT_EQ(drawn, 2 * (4 - skip));
  }
  // Counter 15 -> 16 switches the phase: the flashing cell is inverted.
  g.frameskip = 0;
  g.frameCounter = 15;
  mem[0x4000] = 0xFF;
  frameEndWork();
  EXPECT_EQ(test::tileWord(0, 0), 0x77777777u);
}

TEST_F(FrameLoopTest, ThrottleWaitsForTheTickAndTheFrontEndAlwaysDoes) {
  const struct { uint8_t throttle, mode; int waits; } cases[] = {
      {0, kModeRunning, 0}, {1, kModeRunning, 1}, {0, kModeIntro, 1}, {0, kModeSelector, 1},
  };
  for (const auto& c : cases) {
    g.throttle = c.throttle;
    g.frontEndMode = c.mode;
    g.samplePosition = 320;
    ticks = 0;
    frameEndWork();
    EXPECT_EQ(ticks, c.waits) << "throttle " << int(c.throttle) << " mode " << int(c.mode);
    EXPECT_EQ(g.samplePosition, 0);
    EXPECT_EQ(g.frameTick, 0);
  }
  // A tick already there is not waited for again.
  g.throttle = 1;
  g.frontEndMode = kModeRunning;
  g.frameTick = 0xFF;
  ticks = 0;
  frameEndWork();
  EXPECT_EQ(ticks, 0);
}

TEST_F(FrameLoopTest, SelectAndStartTogetherOpenTheMenuOnlyWhileRunning) {
  using namespace gba;
  const struct { uint16_t held; uint8_t mode; uint8_t after; } cases[] = {
      {KEY_SELECT, kModeRunning, kModeRunning},
      {KEY_START, kModeRunning, kModeRunning},
      {KEY_SELECT | KEY_START, kModeRunning, kModeMenuOpening},
      {KEY_SELECT | KEY_START | KEY_A, kModeRunning, kModeMenuOpening},
      {KEY_SELECT | KEY_START, kModeIntro, kModeIntro},
  };
  std::vector<uint8_t> handled;
  test::frontEndHandler = [&](uint8_t mode) { handled.push_back(mode); };
  for (const auto& c : cases) {
    REG_KEYINPUT = static_cast<uint16_t>(0x03FF & ~c.held);
    g.frontEndMode = c.mode;
    handled.clear();
    frameEndWork();
    EXPECT_EQ(g.frontEndMode, c.after) << std::hex << c.held;
    // The menu starts opening from the next frame end on, not this one.
    EXPECT_EQ(handled.size(), c.mode == kModeRunning ? 0u : 1u);
  }
}

TEST_F(FrameLoopTest, PausedMenuKeepsDrawingSilentlyUntilItHasClosed) {
  g.pauseOnMenu = 1;
  g.frontEndMode = kModeMenu;
  uint8_t* samples = test::writeBuffer();
  std::memset(samples, 0x80, 320);
  int served = 0;
  test::frontEndHandler = [&](uint8_t mode) {
    EXPECT_EQ(mode, served < 3 ? kModeMenu : kModeMenuClosing);
    if (++served == 3) g.frontEndMode = kModeMenuClosing;
    if (served == 5) g.frontEndMode = kModeRunning;
  };
  frameEndWork();
  EXPECT_EQ(served, 5);
  EXPECT_EQ(g.frameCounter, 6);  // five served frames and the one that returns
  EXPECT_EQ(ticks, 5);  // the last frame runs the game again, unthrottled
  for (int i = 0; i < 320; ++i) ASSERT_EQ(test::writeBuffer()[i], 0) << i;

  // Not paused: one frame, back to the core, the game's sound left alone.
  g.pauseOnMenu = 0;
  g.frontEndMode = kModeMenu;
  served = 0;
  std::memset(gba::host::bytes(kSampleBuffer0, 320), 0x80, 320);
  std::memset(gba::host::bytes(kSampleBuffer1, 320), 0x80, 320);
  test::frontEndHandler = [&](uint8_t) { ++served; };
  frameEndWork();
  EXPECT_EQ(served, 1);
  EXPECT_EQ(test::writeBuffer()[0], 0x80);
}

TEST_F(FrameLoopTest, TickInterruptSwapsTheBuffersAndRestartsDma1) {
  using namespace gba;
  REG_IF = IRQ_TIMER1 | IRQ_VBLANK;
  REG_DMA1CNT_H = DMA_SOUND_FIFO;
  frameTickInterrupt();
  EXPECT_EQ(g.frameTick, 0xFF);
  EXPECT_EQ(g.playBuffer, kSampleBuffer1);
  EXPECT_EQ(g.writeBuffer, kSampleBuffer0);
  EXPECT_EQ(host::io32(REG_DMA1SAD.address), kSampleBuffer1);
  EXPECT_EQ(host::io16(REG_DMA1CNT_H.address), 0xB640);
  EXPECT_EQ(host::io16(REG_IF.address), IRQ_TIMER1 | IRQ_VBLANK);  // written back: acknowledged

  // Another source alone: nothing but the acknowledgement.
  g.frameTick = 0;
  REG_IF = IRQ_VBLANK;
  frameTickInterrupt();
  EXPECT_EQ(g.frameTick, 0);
  EXPECT_EQ(g.playBuffer, kSampleBuffer1);
}

TEST_F(FrameLoopTest, AudioSettingSwitchesOnlyTheMasterEnable) {
  g.audioEnabled = 1;
  applyAudioSetting();
  EXPECT_EQ(gba::host::io16(gba::REG_SOUNDCNT_X.address), 0x80);
  g.audioEnabled = 0;
  applyAudioSetting();
  EXPECT_EQ(gba::host::io16(gba::REG_SOUNDCNT_X.address), 0);
}

}  // namespace
}  // namespace tmb
