// The Pogoshell plug-in branch of "Create TMB", on an in-memory file system.
#include <gtest/gtest.h>

#include "core/create_image.h"
#include "core/image_layout.h"
#include "core/memory_file_system.h"
#include "core/messages.h"
#include "core/pogo_plugin.h"
#include "core/settings_file.h"
#include "test_support.h"

namespace tmb {
namespace {

using test::bytesOf;
using test::patterned;

constexpr std::size_t L = 200;
const Bytes kKempston{45, 0, 0, 0, 41, 42, 44, 43, 10, 5};
const char* const kBase =
    "[Settings]\nPogoshell=/P\n"
    "[TMB]\nVersion=1.0.1.0\n"
    "[Control Defaults]\nDefault0=Kempston\n"
    "[Control_Kempston]\nButton A=JOY FIRE\nDPad Right=JOY RIGHT\nDPad Left=JOY LEFT\nDPad Up=JOY UP\n"
    "DPad Down=JOY DOWN\nBack Right=ENTER\nBack Left=SPACE\n";

Bytes record(const std::string& name31, const Bytes& map) {
  Bytes r = bytesOf(name31);
  r.resize(31, ' ');
  r.push_back(0);
  r.insert(r.end(), map.begin(), map.end());
  return r;
}

struct Plugin : ::testing::Test {
  MemoryFileSystem fs;
  test::RecordingUi ui;
  test::RecordingLauncher launcher;
  Bytes image = patterned(L, 0x11);
  SettingsFile settings = SettingsFile::parse(kBase);
  std::vector<std::string> themesAsked;

  Plugin() {
    for (const char* folder : {"/P/plugins", "/P/theme", "/P/root/.shell"}) fs.addFolder(folder);
  }
  CreateResult create() {
    // Each theme's files name the theme, so a test sees which one was written.
    ThemeLookup themes = [this](const std::string& theme) -> std::optional<ThemeFiles> {
      themesAsked.push_back(theme);
      static const std::string names[] = {"Original", "Amiga", "PogoXP", "XPSmall"};
      for (const auto& n : names)
        if (theme == n) return ThemeFiles{ByteView::of(n), ByteView::of(n), ByteView::of(n)};
      return std::nullopt;
    };
    BuildEnvironment env{fs, ui, launcher, image, themes, "/work", std::nullopt};
    return createImage({}, settings, env);
  }
  Bytes plugin() const { return *fs.find("/P/root/.plugins/tmb.gba"); }
  Bytes table() const {
    const Bytes f = plugin();
    return Bytes(f.begin() + L, f.end());
  }
};

TEST_F(Plugin, OnlySettingsAndPresetsGiveTheDefaultRecordAndTheEndMark) {
  ASSERT_EQ(create(), CreateResult::Created);
  const Bytes f = plugin();
  ASSERT_EQ(f.size(), L + 43);
  EXPECT_EQ(Bytes(f.begin(), f.begin() + L), image);
  Bytes expected = record("<POGOSHELL>", kKempston);
  expected.push_back(0);
  EXPECT_EQ(table(), expected);

  const auto texts = ui.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "No ROMS selected!\rThis will create a PogoShell resource.");
  EXPECT_EQ(ui.messages[0].caption, "Warning");
  EXPECT_EQ(ui.messages[1].text, "TMB4POGO binary created. Have fun!");
  EXPECT_EQ(ui.messages[1].caption, "TMB");
  EXPECT_EQ(ui.bar.maximum, 4) << "one step per section";
  EXPECT_EQ(ui.bar.steps, 4);
  EXPECT_EQ(ui.bar.position, 0);
  EXPECT_TRUE(fs.folderExists("/P/root/.plugins")) << "target folder created";
  EXPECT_TRUE(themesAsked.empty()) << "no Associations, no theme";
  EXPECT_TRUE(launcher.started.empty());
}

TEST_F(Plugin, OneRecordPerGameSectionInFileOrder) {
  const std::string longKey = "a_very_long_game_name_of_35_chars";  // 33 characters, 35 with "XY"
  settings = SettingsFile::parse(std::string(kBase) +
                                 "[Cave]\nFilename=Cave Quest\nControl=Kempston\nButton A=Q\n"
                                 "[handmade]\nFilename=No control key\n"
                                 "[Own]\nControl=Custom\nButton B=P\n"
                                 "[" + longKey + "XY]\nControl=Nowhere\n"
                                 "[Control_QAOP]\nButton A=SPACE\n");
  ASSERT_EQ(create(), CreateResult::Created);
  Bytes expected = record("<POGOSHELL>", kKempston);
  for (const Bytes& r : {record("cave", kKempston), record("own", {0, 15, 0, 0, 0, 0, 0, 0, 0, 0}),
                         record((longKey + "XY").substr(0, 31), Bytes(10, 0))})
    expected.insert(expected.end(), r.begin(), r.end());
  expected.push_back(0);
  EXPECT_EQ(table(), expected);
  EXPECT_EQ(ui.bar.steps, 9) << "every section steps, written or not";
}

TEST(PogoRecordName, LowerCasesOnlyLettersAndCutsTo31) {
  EXPECT_EQ(pogoRecordName("Cave"), "cave");
  EXPECT_EQ(pogoRecordName("\xC4Z-9"), "\xC4z-9");
  EXPECT_EQ(pogoRecordName(std::string(35, 'X')), std::string(31, 'x'));
}

TEST_F(Plugin, NamesThatAgreeIn31CharactersAreReported) {
  const std::string stem(31, 'g');
  settings = SettingsFile::parse(std::string(kBase) + "[" + stem + "_one]\nControl=Kempston\n[" + stem +
                                 "_two]\nControl=Kempston\n[" + stem + "]\nFilename=not a game\n[short]\nControl=Q\n");
  const auto clashes = pogoNameClashes(settings);
  ASSERT_EQ(clashes.size(), 1u);
  EXPECT_EQ(clashes[0].first, stem + "_one");
  EXPECT_EQ(clashes[0].second, stem + "_two");
  EXPECT_TRUE(pogoNameClashes(SettingsFile::parse(kBase)).empty());
}

TEST_F(Plugin, NoPogoshellFolderStopsBeforeWritingAnything) {
  for (const char* setup : {"[Settings]\nTMBBinary=/work\n", "[Settings]\nPogoshell=\n"}) {
    SCOPED_TRACE(setup);
    ui = {};
    settings = SettingsFile::parse(setup);
    const auto before = fs.files();
    EXPECT_EQ(create(), CreateResult::Stopped);
    EXPECT_EQ(fs.files(), before);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text,
              "You have not setup a path for this binary!\rPlease check the Options-->Settings menu option.");
    EXPECT_EQ(ui.messages[1].caption, "ERROR!");
    EXPECT_EQ(ui.messages[1].icon, MessageIcon::Exclamation);
  }
}

TEST_F(Plugin, ExistingPluginAsksItsOwnQuestion) {
  fs.addFile("/P/root/.plugins/tmb.gba", bytesOf("old"));
  ui.answer = false;
  EXPECT_EQ(create(), CreateResult::Stopped);
  EXPECT_EQ(ui.questions, std::vector<std::string>{"Warning|TMB Pogoshell binary already exists.\rReplace?"});
  EXPECT_EQ(plugin(), bytesOf("old"));
}

TEST_F(Plugin, ThemeIsWrittenOnlyForMaintainAndAKnownTheme) {
  struct Case {
    const char* associations;  // nullptr: absent
    const char* theme;
    const char* written;       // nullptr: no theme files
  } cases[] = {
      {"Maintain", "Original", "Original"}, {"Maintain", "Amiga", "Amiga"},   {"Maintain", "PogoXP", "PogoXP"},
      {"Maintain", "XPSmall", "XPSmall"},   {"Maintain", nullptr, nullptr},   {"Maintain", "amiga", nullptr},
      {"maintain", "Amiga", nullptr},       {nullptr, "Amiga", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.associations ? c.associations : "-") + "/" + (c.theme ? c.theme : "-"));
    for (const char* name : {"filetypes", "gui.cfg", "icons.bmp"}) fs.removeFile(std::string("/P/root/.shell/") + name);
    ui = {};
    settings = SettingsFile::parse(kBase);
    if (c.associations) settings.writeString("Settings", "Associations", c.associations);
    if (c.theme) settings.writeString("Settings", "Theme", c.theme);
    fs.removeFile("/P/root/.plugins/tmb.gba");
    ASSERT_EQ(create(), CreateResult::Created);
    for (const char* name : {"filetypes", "gui.cfg", "icons.bmp"}) {
      const Bytes* f = fs.find(std::string("/P/root/.shell/") + name);
      if (c.written) {
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(*f, bytesOf(c.written)) << name;
      } else {
        EXPECT_EQ(f, nullptr) << name;
      }
    }
    EXPECT_EQ(ui.messages.size(), 2u) << "no extra message for an unknown theme";
  }
}

TEST_F(Plugin, MissingShellFolderFailsAfterTheCompletePlugin) {
  MemoryFileSystem bare;
  fs = bare;
  fs.addFolder("/P/root");
  settings.writeString("Settings", "Associations", "Maintain");
  settings.writeString("Settings", "Theme", "Original");
  settings.writeString("Settings", "Compile", "Yes");
  EXPECT_EQ(create(), CreateResult::Failed);
  EXPECT_EQ(plugin().size(), L + 43) << "the plug-in is complete";
  ASSERT_EQ(ui.messages.size(), 2u) << "no completion message";
  EXPECT_EQ(ui.messages[1].caption, kErrorCaption);
  EXPECT_NE(ui.messages[1].text.find(".shell/filetypes"), std::string::npos) << ui.messages[1].text;
  EXPECT_TRUE(launcher.started.empty()) << "the build script is not started";
}

TEST_F(Plugin, MissingRootIsReportedNamingThePlugin) {
  MemoryFileSystem bare;
  fs = bare;
  fs.addFolder("/P/plugins");
  EXPECT_EQ(create(), CreateResult::Failed);
  EXPECT_NE(ui.messages.at(1).text.find("/P/root/.plugins/tmb.gba"), std::string::npos) << ui.messages[1].text;
}

TEST_F(Plugin, CompileYesStartsTheBuildScriptInThePogoshellFolder) {
  settings.writeString("Settings", "Compile", "yes");
  ASSERT_EQ(create(), CreateResult::Created);
  EXPECT_TRUE(launcher.started.empty()) << "the comparison is exact";

  settings.writeString("Settings", "Compile", "Yes");
  ui = {};
  ASSERT_EQ(create(), CreateResult::Created);
  ASSERT_EQ(launcher.started.size(), 1u);
  const std::string& started = launcher.started[0];
  EXPECT_EQ(started.substr(0, 7), "GO.BAT|");
  EXPECT_EQ(MemoryFileSystem::normalise(started.substr(7)), "/P");
  EXPECT_EQ(ui.texts().back(), messages::kPluginCreated);
}

TEST_F(Plugin, FailedStartIsShownAndEndsWithoutTheCompletionMessage) {
  settings.writeString("Settings", "Compile", "Yes");
  launcher.failure = "The system cannot find the file specified.";
  EXPECT_EQ(create(), CreateResult::Failed);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].icon, MessageIcon::Error);
  EXPECT_NE(ui.messages[1].text.find("The system cannot find the file specified."), std::string::npos);
  EXPECT_EQ(plugin().size(), L + 43);
}

}  // namespace
}  // namespace tmb
