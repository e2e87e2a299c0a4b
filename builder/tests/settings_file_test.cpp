#include <gtest/gtest.h>

#include "core/memory_file_system.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "test_support.h"

namespace tmb {
namespace {

TEST(SettingsFile, LoadTrimsSkipsAndKeepsLinesWithoutEquals) {
  const auto s = SettingsFile::parse(
      "stray=before any section\r\n"
      "  [ Settings ]  \r\n"
      "; a comment\n"
      "\n"
      "  Control = Custom  \n"
      "TMBBinary=\r"
      "just words\n"
      "a=b=c\n");
  EXPECT_EQ(s.sectionNames(), std::vector<std::string>{"Settings"});
  EXPECT_EQ(s.readString("settings", "CONTROL", "x"), "Custom");
  EXPECT_EQ(s.readString("Settings", "TMBBinary", "default"), "") << "present and empty is not absent";
  EXPECT_EQ(s.readString("Settings", "missing", "default"), "default");
  EXPECT_EQ(s.readString("Nowhere", "TMBBinary", "d"), "d");
  EXPECT_EQ(s.readString("Settings", "just words", "d"), "") << "a line without = is a key without value";
  EXPECT_EQ(s.readString("Settings", "a", ""), "b=c") << "the value starts after the first =";
  EXPECT_EQ(s.text(), "[Settings]\r\nControl=Custom\r\nTMBBinary=\r\njust words\r\na=b=c\r\n\r\n");
}

TEST(SettingsFile, WritesKeepTheFilesSpellingAndAppendNewSectionsLast) {
  auto s = SettingsFile::parse("[settings]\nLastDir=old\n[TMB]\nVersion=1\n");
  s.writeString("Settings", "lastdir", "new");   // replaced in place
  s.writeString("Settings", "Theme", "Amiga");   // appended to its section
  s.writeString("cave", "Control", "Kempston");  // new section at the end
  EXPECT_EQ(s.text(),
            "[settings]\r\nlastdir=new\r\nTheme=Amiga\r\n\r\n"
            "[TMB]\r\nVersion=1\r\n\r\n"
            "[cave]\r\nControl=Kempston\r\n\r\n");
}

TEST(SettingsFile, DeleteLeavesAnEmptySectionThatDoesNotExist) {
  auto s = SettingsFile::parse("[Settings]\nCompile=Yes\nCompile=again\n[Other]\nk=v\n");
  EXPECT_TRUE(s.sectionExists("SETTINGS"));
  s.deleteKey("settings", "compile");
  s.deleteKey("nowhere", "compile");  // nothing happens
  s.deleteKey("Settings", "nokey");
  EXPECT_EQ(s.readString("Settings", "Compile", "gone"), "gone") << "a duplicate must not reappear";
  EXPECT_FALSE(s.sectionExists("Settings"));
  EXPECT_EQ(s.sectionNames(), (std::vector<std::string>{"Settings", "Other"}));
  EXPECT_FALSE(s.sectionExists("Missing"));
}

TEST(SettingsFile, RepeatedSectionHeadersJoinTheFirst) {
  const auto s = SettingsFile::parse("[Cave]\nFilename=Cave\n[x]\n[CAVE]\nControl=QAOP\n");
  EXPECT_EQ(s.sectionNames(), (std::vector<std::string>{"Cave", "x"}));
  EXPECT_EQ(s.readString("cave", "Control", ""), "QAOP");
}

TEST(SettingsFile, ByteOrderMarkDoesNotHideTheFirstSection) {
  const auto s = SettingsFile::parse("\xEF\xBB\xBF[TMB]\nVersion=1.0.0.0\n");
  EXPECT_EQ(s.readString("TMB", "Version", ""), "1.0.0.0");
}

TEST(SettingsFile, FirstStartWithoutFileThenCloseWritesOnlyTheVersion) {
  MemoryFileSystem fs;
  fs.addFolder("/games");
  auto s = SettingsFile::load(fs, settingsPath("/games"));
  EXPECT_TRUE(s.sectionNames().empty());
  const auto values = startUp(s);
  EXPECT_EQ(values.defaultPreset, "Kempston");
  EXPECT_EQ(values.homepage, "");
  EXPECT_TRUE(values.presets.empty());
  s.save(fs);
  const Bytes* saved = fs.find("/games/TMB.INI");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(std::string(saved->begin(), saved->end()), "[TMB]\r\nVersion=1.0.1.0\r\n\r\n");
  EXPECT_EQ(fs.files(), std::set<std::string>{"/games/TMB.INI"}) << "no temporary file is left";
}

TEST(SettingsFile, PresetListStopsAtTheFirstGap) {
  auto s = SettingsFile::parse(
      "[Control Defaults]\nDefault0n=QAOP\nDefault1=Cursor\nDefault0=Kempston\nDefault3=Lost\n[Homepage]\nURL=u\n");
  const auto v = startUp(s);
  EXPECT_EQ(v.presets, (std::vector<std::string>{"Kempston", "Cursor"}));
  EXPECT_EQ(v.defaultPreset, "QAOP");
  EXPECT_EQ(v.homepage, "u");
  EXPECT_EQ(s.readString("tmb", "version", ""), "1.0.1.0");
}

TEST(SettingsFile, FailedSaveKeepsTheOldFileAndTheStore) {
  MemoryFileSystem fs;
  fs.addFile("/ro/TMB.INI", test::bytesOf("[TMB]\r\nVersion=old\r\n\r\n"));
  fs.denyWrites("/ro");
  auto s = SettingsFile::load(fs, "/ro/TMB.INI");
  s.writeString("TMB", "Version", "new");
  test::RecordingUi ui;
  EXPECT_FALSE(saveSettings(s, fs, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("/ro/TMB.INI"), std::string::npos) << ui.messages[0].text;
  const Bytes* old = fs.find("/ro/TMB.INI");
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(std::string(old->begin(), old->end()), "[TMB]\r\nVersion=old\r\n\r\n");
  EXPECT_EQ(s.readString("TMB", "Version", ""), "new");
}

TEST(SettingsFile, PresetIdentifiers) {
  EXPECT_TRUE(isPresetIdentifier("QAOP_2"));
  EXPECT_FALSE(isPresetIdentifier("2QAOP"));
  EXPECT_FALSE(isPresetIdentifier("Q A"));
  EXPECT_FALSE(isPresetIdentifier(""));
}

}  // namespace
}  // namespace tmb
