#include <gtest/gtest.h>

#include "core/path.h"
#include "core/rom_list.h"
#include "core/settings_file.h"

namespace tmb {
namespace {

const std::string kDir = std::string("games") + kPathSeparator;

std::vector<std::string> names(const RomList& list) {
  std::vector<std::string> n;
  for (const auto& r : list.rows()) n.push_back(r.romName);
  return n;
}

TEST(GameKey, FolderAndExtensionGoLettersAreLowered) {
  EXPECT_EQ(gameKey(kDir + "Cave.SNA"), "cave");
  EXPECT_EQ(gameKey(kDir + "Jet.Set.Willy.z80"), "jet.set.willy");
  EXPECT_EQ(gameKey("NOEXT"), "noext");
  EXPECT_EQ(gameKey("\xC4rger.sna"), "\xC4rger") << "only A to Z are lowered";
}

TEST(RomList, AddTakesTheSectionOrDefaultsAndWritesThemBack) {
  auto s = SettingsFile::parse(
      "[falling]\nFilename=Falling Blocks\nControl=Custom\nButton A=Q\n"
      "[long]\nFilename=A name of sixteen\n");
  RomList list;
  list.addGames(s, {kDir + "BLOCKS.SNA", kDir + "Falling.z80", kDir + "long.sna"}, "QAOP");
  ASSERT_EQ(list.rows().size(), 3u);
  EXPECT_EQ(s.readString("Settings", "LastDir", ""), kDir);

  const RomListEntry& blocks = list.rows()[1];
  EXPECT_EQ(blocks.romName, "blocks");
  EXPECT_EQ(blocks.control, "QAOP");
  EXPECT_EQ(blocks.fileName, "blocks.sna");
  EXPECT_EQ(blocks.folder, kDir);
  EXPECT_EQ(blocks.path(), kDir + "BLOCKS.SNA") << "opened as the file system spells it";
  EXPECT_EQ(s.readString("blocks", "Filename", ""), "blocks");
  EXPECT_EQ(s.readString("blocks", "Control", ""), "QAOP");

  EXPECT_EQ(list.rows()[0].romName, "A name of sixte") << "cut to 15";
  EXPECT_EQ(s.readString("long", "Filename", ""), "A name of sixte");
  EXPECT_EQ(list.rows()[2].romName, "Falling Blocks");
  EXPECT_EQ(list.rows()[2].control, "Custom");
  EXPECT_EQ(s.readString("falling", "Button A", ""), "Q") << "own keys untouched";
}

TEST(RomList, OneSectionForEveryFileOfTheSameKey) {
  SettingsFile s;
  RomList list;
  list.addGames(s, {kDir + "cave.sna"}, "Kempston");
  s.writeString("cave", "Filename", "Cave Quest");
  s.writeString("cave", "Control", "Cursor");
  list.addGames(s, {"other" + std::string(1, kPathSeparator) + "CAVE.Z80"}, "Kempston");
  ASSERT_EQ(list.rows().size(), 2u);
  EXPECT_EQ(list.rows()[0].fileName, "cave.sna");
  EXPECT_EQ(list.rows()[0].romName, "cave") << "an existing row is not renamed";
  EXPECT_EQ(list.rows()[1].fileName, "cave.z80");
  EXPECT_EQ(list.rows()[1].romName, "Cave Quest");
  EXPECT_EQ(list.rows()[1].control, "Cursor");
}

TEST(RomList, SortedByNameCaseBlindLowerFirstStableOnTies) {
  SettingsFile s;
  s.writeString("one", "Filename", "beta");
  s.writeString("two", "Filename", "Alpha");
  s.writeString("three", "Filename", "alpha");
  s.writeString("four", "Filename", "Beta");
  s.writeString("five", "Filename", "beta");
  RomList list;
  list.addGames(s, {"one.sna", "two.sna", "three.sna", "four.sna", "five.sna", "one.z80"}, "K");
  EXPECT_EQ(names(list), (std::vector<std::string>{"alpha", "Alpha", "beta", "beta", "beta", "Beta"}));
  EXPECT_EQ(list.rows()[1].fileName, "two.sna");
  EXPECT_EQ(list.rows()[2].fileName, "one.sna") << "games of one name keep their order";
  EXPECT_EQ(list.rows()[3].fileName, "five.sna");
  EXPECT_EQ(list.rows()[4].fileName, "one.z80");
}

}  // namespace
}  // namespace tmb
