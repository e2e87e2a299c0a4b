// The loaders against hand-made files: where each field goes, the POP of the
// .SNA's PC, the .Z80 versions, blocks and compression, and the guard rules.
#include "frontend/snapshot_loaders.h"

#include "frontend_fixture.h"
#include "snapshot_builders.h"

namespace tmb::test {
namespace {

using LoaderTest = FrontendTest;

TEST_F(LoaderTest, SnaFieldsGoToTheirRegisters) {
  Bytes f = sna(0x8000);
  const uint8_t header[27] = {0x3F, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x01, 0x77, 0x88, 0x99, 0xAA,
                              0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x12, 0x34, 0x04, 0x56, 0xFF, 0x9A, 0x00,
                              0x80, 0x02, 0x07};
  std::copy(header, header + 27, f.begin());
  snaRam(f, 0x8000) = 0x21;
  snaRam(f, 0x8001) = 0x43;
  g.keyboardRows[3] = 0xFE;  // state the loader must leave alone
  g.controlMap[0] = 30;
  g.samplePosition = 77;
  rememberMemory();
  loadSna(place(f));
  EXPECT_EQ(z.I, 0x3Fu << 24);
  EXPECT_EQ(z.HL_, 0x2211u << 16);
  EXPECT_EQ(z.DE_, 0x4433u << 16);
  EXPECT_EQ(z.BC_, 0x6655u << 16);
  EXPECT_EQ(z.AF_, 0x77000001u);  // F' as stored
  EXPECT_EQ(z.HL, 0x9988u << 16);
  EXPECT_EQ(z.DE, 0xBBAAu << 16);
  EXPECT_EQ(z.BC, 0xDDCCu << 16);
  EXPECT_EQ(z.IY, 0xFFEEu << 16);
  EXPECT_EQ(z.IX, 0x3412u << 16);
  EXPECT_EQ(z.IFF1, kIffEnabled);
  EXPECT_EQ(z.IFF2, kIffEnabled);
  EXPECT_EQ(z.R, 0x56);
  EXPECT_EQ(z.F, 0xFFu);
  EXPECT_EQ(z.A, 0x9Au << 24);
  EXPECT_EQ(z.IM, 2);
  EXPECT_EQ(z.PC, 0x4321u);
  EXPECT_EQ(z.SP, 0x8002u);
  EXPECT_EQ(z.tStateCounter, 218);
  EXPECT_EQ(g.samplePosition, 0);
  EXPECT_EQ(g.keyboardRows[3], 0xFE);
  EXPECT_EQ(g.controlMap[0], 30);
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, SnaPopsPcAsPopWould) {
  struct Case {
    uint32_t sp, pc, spAfter;
  };
  Bytes f = sna(0x5BFC, 0x5A);
  snaRam(f, 0x5BFC) = 0x34;
  snaRam(f, 0x5BFD) = 0x12;
  loadSna(place(f));
  EXPECT_EQ(z.PC, 0x1234u);
  EXPECT_EQ(z.SP, 0x5BFEu);

  // At 0xFFFF the high byte comes from the ROM at 0x0000.
  Bytes top = sna(0xFFFF);
  snaRam(top, 0xFFFF) = 0xCD;
  loadSna(place(top));
  EXPECT_EQ(z.PC, 0xCDu | romByteBefore(0) << 8);
  EXPECT_EQ(z.SP, 0x0001u);
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, SnaInterruptByte) {
  for (uint8_t b : {0x04, 0xFF, 0x00, 0xFB}) {
    Bytes f = sna(0x8000);
    f[19] = b;
    loadSna(place(f));
    const uint8_t want = (b & 4) ? kIffEnabled : kIffDisabled;
    EXPECT_EQ(z.IFF1, want) << int(b);
    EXPECT_EQ(z.IFF2, want) << int(b);
  }
}

TEST_F(LoaderTest, SnaFillsAllRamAndNoRomAtAnyAlignment) {
  Bytes f = sna(0x8000);
  for (uint32_t a = 0x4000; a < 0x10000; ++a) snaRam(f, a) = static_cast<uint8_t>(a * 7 + (a >> 8));
  for (int skew = 0; skew < 4; ++skew) {
    SCOPED_TRACE(skew);
    gba::host::regions().rom.resize(kImageSize + skew);
    loadSna(place(f));
    for (uint32_t a = 0x4000; a < 0x10000; ++a) ASSERT_EQ(z80Byte(a), static_cast<uint8_t>(a * 7 + (a >> 8))) << a;
    for (uint32_t a = 0; a < 0x4000; ++a) ASSERT_EQ(z80Byte(a), romByteBefore(a)) << a;
    std::memset(z80Memory() + 0x4000, 0, 0xC000);
  }
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, Z80HeaderFieldsGoToTheirRegisters) {
  Bytes f = z80v1(0x8000, {0x00, 0xED, 0xED, 0x00});
  const uint8_t header[30] = {0x9A, 0xFF, 0xCC, 0xDD, 0x88, 0x99, 0x00, 0x80, 0xFE, 0xFF, 0x3F, 0xD6,
                              0x01, 0xAA, 0xBB, 0x55, 0x66, 0x33, 0x44, 0x11, 0x22, 0x77, 0x01, 0xEE,
                              0xFF, 0x12, 0x34, 0x01, 0x00, 0xFE};
  std::copy(header, header + 30, f.begin());
  loadZ80(place(f));
  EXPECT_EQ(z.A, 0x9Au << 24);
  EXPECT_EQ(z.F, 0xFFu);  // all PackedFlags bits
  EXPECT_EQ(z.BC, 0xDDCCu << 16);
  EXPECT_EQ(z.HL, 0x9988u << 16);
  EXPECT_EQ(z.PC, 0x8000u);
  EXPECT_EQ(z.SP, 0xFFFEu);
  EXPECT_EQ(z.I, 0x3Fu << 24);
  EXPECT_EQ(z.R, 0xD6);  // the byte as stored
  EXPECT_EQ(z.DE, 0xBBAAu << 16);
  EXPECT_EQ(z.BC_, 0x6655u << 16);
  EXPECT_EQ(z.DE_, 0x4433u << 16);
  EXPECT_EQ(z.HL_, 0x2211u << 16);
  EXPECT_EQ(z.AF_, 0x77000001u);  // F' = 0x01 stored as 0x01
  EXPECT_EQ(z.IY, 0xFFEEu << 16);
  EXPECT_EQ(z.IX, 0x3412u << 16);
  EXPECT_EQ(z.IFF1, kIffEnabled);
  EXPECT_EQ(z.IFF2, kIffEnabled);  // byte 28 (0) is not looked at
  EXPECT_EQ(z.IM, 2);              // 0xFE: bits 0-1
  EXPECT_EQ(z.tStateCounter, 218);
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, FlagsGoThroughThePackedTable) {
  for (int f = 0; f < 256; f += 17) {
    Bytes s = z80v1(0x8000, {0x00, 0xED, 0xED, 0x00});
    s[1] = static_cast<uint8_t>(f);
    s[22] = static_cast<uint8_t>(f);
    loadZ80(place(s));
    EXPECT_EQ(z.F, Z80Tables.FlagsToPackedTable[f]);
    EXPECT_EQ(z.AF_ & 0xFF, static_cast<uint32_t>(f));
  }
}

TEST_F(LoaderTest, Version1DecompressesUpToItsEndMark) {
  // 0x4000: 5 x 0x00, 0xED 0x00, 0x11, 3 x 0x22, then the end mark; the bytes
  // after it are never written.
  loadZ80(place(z80v1(0x8000, {0xED, 0xED, 0x05, 0x00, 0xED, 0x00, 0x11, 0xED, 0xED, 0x03, 0x22, 0x00,
                               0xED, 0xED, 0x00, 0x99, 0x99})));
  const uint8_t want[] = {0, 0, 0, 0, 0, 0xED, 0x00, 0x11, 0x22, 0x22, 0x22, 0x00};
  for (uint32_t i = 0; i < sizeof want; ++i) EXPECT_EQ(z80Byte(0x4000 + i), want[i]) << i;
  EXPECT_EQ(z80Byte(0x400C), romByteBefore(0x400C));
  EXPECT_EQ(z.PC, 0x8000u);
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, Version1WithoutEndMarkStopsAtTheTopOfMemory) {
  // 65,535 bytes of budget in runs of 255: far more than 48K of output.
  Bytes data;
  while (data.size() < 70000) data.insert(data.end(), {0xED, 0xED, 0xFF, 0x77});
  loadZ80(place(z80v1(0x8000, data)));
  for (uint32_t a = 0x4000; a < 0x10000; ++a) ASSERT_EQ(z80Byte(a), 0x77) << a;
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, Version2And3FindTheirBlocksInAnyOrder) {
  struct Case {
    uint32_t extra;
    uint32_t firstBlock;
  };
  for (const Case c : {Case{23, 55}, Case{54, 86}}) {
    SCOPED_TRACE(c.extra);
    Bytes f = z80v23(0x6123, c.extra);
    ASSERT_EQ(f.size(), c.firstBlock);
    f = f + block(4, pageOf(0x44)) + block(5, pageOf(0x55)) + block(8, pageOf(0x88));
    loadZ80(place(f));
    EXPECT_EQ(z.PC, 0x6123u);
    for (uint32_t a = 0x4000; a < 0x8000; ++a) ASSERT_EQ(z80Byte(a), 0x88) << a;
    for (uint32_t a = 0x8000; a < 0xC000; ++a) ASSERT_EQ(z80Byte(a), 0x44) << a;
    for (uint32_t a = 0xC000; a < 0x10000; ++a) ASSERT_EQ(z80Byte(a), 0x55) << a;
    expectOnlyLoaderStateChanged();
  }
}

TEST_F(LoaderTest, BlockEndMarkStopsBeforeTheBudget) {
  Bytes data = {0x01, 0x02, 0xED, 0xED, 0x00};
  data.resize(40, 0x66);  // budget left over: never read as data
  Bytes f = z80v23(0x8000, 23) + block(8, data) + block(4, {0x03}) + block(5, {0x04});
  loadZ80(place(f));
  EXPECT_EQ(z80Byte(0x4000), 0x01);
  EXPECT_EQ(z80Byte(0x4001), 0x02);
  EXPECT_EQ(z80Byte(0x4002), romByteBefore(0x4002));
  EXPECT_EQ(z80Byte(0x8000), 0x03);
  EXPECT_EQ(z80Byte(0xC000), 0x04);
}

TEST_F(LoaderTest, ForeignPagesAreSkipped) {
  // A 128K snapshot's pages 0, 3 and 11 in between: not written anywhere, and
  // the blocks after them are still found.
  Bytes f = z80v23(0x8000, 54) + block(3, pageOf(0x33)) + block(8, pageOf(0x88)) + block(0, pageOf(0x00));
  loadZ80(place(f));
  for (uint32_t a = 0x4000; a < 0x8000; ++a) ASSERT_EQ(z80Byte(a), 0x88) << a;
  for (uint32_t a = 0x8000; a < 0x10000; ++a) ASSERT_EQ(z80Byte(a), romByteBefore(a)) << a;
  for (uint32_t a = 0; a < 0x4000; ++a) ASSERT_EQ(z80Byte(a), romByteBefore(a)) << a;
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, UncompressedVersion3Block) {
  // Length 0xFFFF: 16,384 raw bytes (0xED pairs in them are data), and the
  // next block right behind them.
  Bytes raw(0x4000);
  for (uint32_t i = 0; i < raw.size(); ++i) raw[i] = (i % 3 == 2) ? 0x05 : 0xED;
  Bytes f = z80v23(0x8000, 54);
  f.insert(f.end(), {0xFF, 0xFF, 5});
  f = f + raw + block(8, pageOf(0x88)) + block(4, pageOf(0x44));
  loadZ80(place(f));
  for (uint32_t i = 0; i < raw.size(); ++i) ASSERT_EQ(z80Byte(0xC000 + i), raw[i]) << i;
  EXPECT_EQ(z80Byte(0x4000), 0x88);
  EXPECT_EQ(z80Byte(0xBFFF), 0x44);
  expectOnlyLoaderStateChanged();
}

TEST_F(LoaderTest, BlockOverrunningTheTopIsCut) {
  // Page 5 starts at 0xC000; 32K of output must stop at 0xFFFF.
  Bytes twoPages = pageOf(0x5F) + pageOf(0x5F);
  Bytes f = z80v23(0x8000, 23) + block(5, twoPages) + block(4, {0x44}) + block(8, {0x88});
  loadZ80(place(f));
  EXPECT_EQ(z80Byte(0xFFFF), 0x5F);
  EXPECT_EQ(z80Byte(0x8000), 0x44);
  EXPECT_EQ(z80Byte(0x4000), 0x88);
  expectOnlyLoaderStateChanged();
}

}  // namespace
}  // namespace tmb::test
