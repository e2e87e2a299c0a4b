// The directory count, loading the current game, the Pogoshell start check
// with its config table lookup, and "Exit to Pogoshell".
#include "frontend/game_directory.h"

#include <string>

#include "frontend/exit_to_pogoshell.h"
#include "frontend/snapshot_loaders.h"
#include "gba/registers.h"
#include "input/button_actions.h"
#include "frontend_fixture.h"
#include "snapshot_builders.h"

namespace tmb::test {
namespace {

Bytes romEntry(const std::string& name, uint32_t offset, uint8_t type, const Bytes& map) {
  Bytes e(32, 0);
  for (size_t i = 0; i < 15; ++i) e[i] = i < name.size() ? static_cast<uint8_t>(name[i]) : ' ';
  e[16] = static_cast<uint8_t>(offset);
  e[17] = static_cast<uint8_t>(offset >> 8);
  e[18] = static_cast<uint8_t>(offset >> 16);
  e[19] = static_cast<uint8_t>(offset >> 24);
  e[20] = type;
  std::copy(map.begin(), map.end(), e.begin() + 22);
  return e;
}

Bytes pogoRecord(const std::string& name, const Bytes& map) {
  Bytes r(42, 0);
  for (size_t i = 0; i < 31; ++i) r[i] = i < name.size() ? static_cast<uint8_t>(name[i]) : ' ';
  std::copy(map.begin(), map.end(), r.begin() + 32);
  return r;
}

std::string nameBuffer() { return std::string(gba::at<const char>(kNameBuffer)); }

class DirectoryTest : public FrontendTest {
 protected:
  // The PogoStartBlock: file address, magic, a first string and the path.
  void pogoStart(uint32_t file, const std::string& path) {
    *gba::at<uint32_t>(kPogoStartBlock) = file;
    *gba::at<uint32_t>(kPogoMagicAddress) = kPogoMagic;
    const std::string strings = std::string("pogo") + '\0' + path + '\0';
    std::copy(strings.begin(), strings.end(), gba::at<char>(kPogoStrings));
  }
  uint32_t chosenRecord() const { return g.pogoControlMap - kPogoRecordControlMap; }
};

TEST_F(DirectoryTest, CountsPages) {
  struct Case {
    uint32_t entries, lastPage, onLastPage;
  };
  for (const Case c : {Case{1, 0, 1}, Case{10, 0, 10}, Case{11, 1, 1}, Case{25, 2, 5}, Case{0, 0, 0}}) {
    SCOPED_TRACE(c.entries);
    gba::host::regions().rom.resize(kImageSize);
    for (uint32_t i = 0; i < c.entries; ++i) append(romEntry("game", 0, 0, {}));
    append(Bytes(32, 0));
    g.page = 3;
    g.row = 4;
    startCheck();
    EXPECT_EQ(g.entryCount, c.entries);
    EXPECT_EQ(g.lastPage, c.lastPage);
    EXPECT_EQ(g.lastPageEntries, c.onLastPage);
    EXPECT_EQ(g.page, 0);
    EXPECT_EQ(g.row, 0);
    EXPECT_EQ(g.pogoSnapshot, 0u);
  }
}

TEST_F(DirectoryTest, LoadsTheEntryAtThePosition) {
  // Twelve entries; entry 11 (page 1, row 1) is a .Z80 with its own controls.
  Bytes snaFile = sna(0x8000);
  Bytes z80File = z80v1(0x7777, {0x00, 0xED, 0xED, 0x00});
  const uint32_t dir = 13 * 32;
  for (uint32_t i = 0; i < 12; ++i) {
    if (i == 11) {
      append(romEntry("fifteen chars!!", dir + static_cast<uint32_t>(snaFile.size()), 1,
                      {35, 0, 0, 0, 0, 0, 0, 0, 0, 45}));
    } else {
      append(romEntry("game" + std::to_string(i), dir, 0, {30}));
    }
  }
  append(Bytes(32, 0));
  place(snaFile + z80File);
  startCheck();
  EXPECT_EQ(g.entryCount, 12);

  g.keyboardRows[2] = 0xF0;  // machine state a load keeps
  loadCurrentGame();
  EXPECT_EQ(nameBuffer(), "game0          ");  // blank-filled as the builder writes it
  EXPECT_EQ(g.controlMap[0], 30);
  EXPECT_EQ(ButtonActions[0].clear, 0x01);  // applied: Q on A10 bit 0
  EXPECT_EQ(z.SP, 0x8002u);                 // the .SNA loader ran
  EXPECT_EQ(g.keyboardRows[2], 0xF0);

  g.page = 1;
  g.row = 1;
  loadCurrentGame();
  EXPECT_EQ(nameBuffer(), "fifteen chars!!");
  EXPECT_EQ(g.controlMap[0], 35);
  EXPECT_EQ(g.controlMap[9], 45);
  EXPECT_EQ(ButtonActions[9].set, 0x10);  // JOY FIRE
  EXPECT_EQ(z.PC, 0x7777u);               // the .Z80 loader ran
}

TEST_F(DirectoryTest, PogoshellNameTypeAndLookup) {
  const Bytes kempston = {45, 45, 25, 20, 41, 42, 44, 43, 10, 5};
  append(pogoRecord("<POGOSHELL>", kempston));
  append(pogoRecord("manicminer", {1}));
  append(pogoRecord("manic", {2}));
  append(pogoRecord("a", {3}));
  append(pogoRecord("x.z80", {4}));
  append({0});
  const uint32_t table = kImageEnd;
  struct Case {
    const char* path;
    const char* shown;
    uint8_t type;
    uint32_t record;  // index in the table, 0 = default
  };
  const Case cases[] = {
      {"/games/Manic.Z80", "Manic.Z80", 1, 1},  // "manic": manicminer comes first
      {"/games/spectrum/game.sna", "game.sna", 0, 0},
      {"Manic Miner.z80", "Manic Miner.z80", 1, 0},
      {"/A.z80", "A.z80", 1, 3},                  // one-letter base
      // No base before the extension: still one character compared.
      {"/.z80", ".z80", 1, 0},
      {"/ab", "ab", 0, 3},  // shorter than the extension: "a" compared
      {"/x", "x", 0, 4},  // "x" alone matches x.z80
      {"/games/", "", 0, 0},  // empty name: its NUL matches no record
      {"/a_very_long_file_name_for_a_gba_game.z80", "a_very_long_file_name_for_a_gba", 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    pogoStart(0x08123456, c.path);
    g.entryCount = 0;
    startCheck();
    EXPECT_EQ(g.pogoSnapshot, 0x08123456u);
    EXPECT_EQ(nameBuffer(), c.shown);
    EXPECT_EQ(g.pogoType, c.type);
    EXPECT_EQ(chosenRecord(), table + 42 * c.record);
    EXPECT_EQ(g.entryCount, 0);  // no directory in Pogoshell mode
  }
}

TEST_F(DirectoryTest, PogoshellLowerCasesOnlyTheKey) {
  append(pogoRecord("<POGOSHELL>", {}));
  append({0});
  pogoStart(0x08000000, "/GAMES/ABC.SNA");
  startCheck();
  // The key (the base) is lower-cased in place; folders and extension are not.
  EXPECT_EQ(std::string(gba::at<const char>(kPogoStrings + 5)), "/GAMES/abc.SNA");
  EXPECT_EQ(nameBuffer(), "ABC.SNA");

  pogoStart(0x08000000, "/Q.z");  // a three-character name: only "q"
  startCheck();
  EXPECT_EQ(std::string(gba::at<const char>(kPogoStrings + 5)), "/q.z");
}

TEST_F(DirectoryTest, PogoshellLoadsItsFileWithItsRecord) {
  append(pogoRecord("<POGOSHELL>", {45}));
  append(pogoRecord("mover", {0, 35}));
  append({0});
  Bytes f = z80v1(0x8123, {0x00, 0xED, 0xED, 0x00});
  const uint32_t file = place(f);
  pogoStart(file, "/spectrum/Mover.z80");
  startCheck();
  loadCurrentGame();
  EXPECT_EQ(g.controlMap[0], 0);
  EXPECT_EQ(g.controlMap[1], 35);
  EXPECT_EQ(ButtonActions[1].clear, 0x01);  // A on A9 bit 0
  EXPECT_EQ(z.PC, 0x8123u);
  EXPECT_EQ(nameBuffer(), "Mover.z80");

  pogoStart(file, "/spectrum/other.z80");  // no record: the default one
  startCheck();
  loadCurrentGame();
  EXPECT_EQ(g.controlMap[0], 45);
}

TEST_F(DirectoryTest, ExitToPogoshell) {
  recordedCartStores().clear();
  gba::REG_DMA1CNT_H = 0xB640;
  gba::REG_DMA3CNT_H = 0x8000;
  gba::REG_IME = 1;
  g.videoMode = 3;
  EXPECT_THROW(exitToPogoshell(), gba::host::SoftResetCalled);

  std::vector<CartStore> want;
  auto store = [&](uint32_t a, uint16_t v, int times = 1) {
    for (int i = 0; i < times; ++i) want.push_back({a, v});
  };
  store(0x0930ECA8, 0x5354);
  store(0x0802468A, 0x1234, 500);
  store(0x0802468A, 0x5354);
  store(0x0802468A, 0x5678, 500);
  store(0x0930ECA8, 0x5354);
  store(0x0802468A, 0x5354);
  store(0x08ECA800, 0x5678);
  store(0x080268A0, 0x1234);
  store(0x0802468A, 0xABCD, 500);
  store(0x0930ECA8, 0x5354);
  store(0x096B592E, 0);
  EXPECT_TRUE(recordedCartStores() == want) << recordedCartStores().size() << " stores";
  for (uint32_t cnt : {0x040000BAu, 0x040000C6u, 0x040000D2u, 0x040000DEu}) EXPECT_EQ(gba::host::io16(cnt), 0) << cnt;
  EXPECT_EQ(gba::host::io16(0x04000208), 0);
  EXPECT_EQ(gba::host::bios().registerRamResets, 1);
  EXPECT_EQ(gba::host::bios().lastRamResetFlags, 0u);
  EXPECT_EQ(gba::host::bios().softResets, 1);
  // The settings were saved first.
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(gba::host::regions().sram), 12), "Tamberlin!!!");
  EXPECT_EQ(gba::host::regions().sram[0x0C], 3);
}

}  // namespace
}  // namespace tmb::test
