// The standalone image, built on an in-memory file system.
#include <gtest/gtest.h>

#include "core/create_image.h"
#include "core/image_layout.h"
#include "core/memory_file_system.h"
#include "core/messages.h"
#include "core/path.h"
#include "core/settings_file.h"
#include "test_support.h"

namespace tmb {
namespace {

using test::patterned;

constexpr std::size_t L = 200;  // emulator image length in these tests

std::uint32_t le32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::string text(const Bytes& b, std::size_t at, std::size_t n) {
  return std::string(b.begin() + at, b.begin() + at + n);
}
Bytes slice(const Bytes& b, std::size_t at, std::size_t n) { return Bytes(b.begin() + at, b.begin() + at + n); }

struct Build : ::testing::Test {
  MemoryFileSystem fs;
  test::RecordingUi ui;
  test::RecordingLauncher launcher;
  Bytes image = patterned(L, 0x40);
  SettingsFile settings = SettingsFile::parse(
      "[Control_Kempston]\nButton A=JOY FIRE\nBack Left=SPACE\nBack Right=ENTER\n"
      "[cave]\nFilename=Cave Quest\nControl=Kempston\n"
      "[game]\nFilename=Exactly15chars!\nControl=Custom\nButton B=P\n"
      "[nopreset]\nControl=Gone\n");
  std::optional<std::string> out;

  Build() { fs.addFolder("/work"); }

  RomListEntry row(const std::string& romName, const std::string& fileName, std::size_t size, std::uint8_t seed) {
    fs.addFile("/games/" + fileName, patterned(size, seed));
    return {romName, "", fileName, "/games/", ""};
  }
  CreateResult create(const std::vector<RomListEntry>& rows) {
    BuildEnvironment env{fs, ui, launcher, image, nullptr, "/work", out};
    return createImage(rows, settings, env);
  }
  const Bytes& written(const std::string& path = "/work/tmb.gba") {
    const Bytes* b = fs.find(path);
    if (!b) throw std::runtime_error("nothing at " + path);
    return *b;
  }
};

TEST_F(Build, OneGameLayout) {
  ASSERT_EQ(create({row("Cave Quest", "cave.sna", 49179, 1)}), CreateResult::Created);
  const Bytes& f = written();
  ASSERT_EQ(f.size(), L + 49243);
  EXPECT_EQ(slice(f, 0, L), image);
  EXPECT_EQ(text(f, L, 16), std::string("Cave Quest     ") + '\0');
  EXPECT_EQ(le32(f, L + 16), 64u);
  EXPECT_EQ(f[L + 20], 0) << "type SNA";
  EXPECT_EQ(f[L + 21], 0);
  EXPECT_EQ(slice(f, L + 22, 10), (Bytes{45, 0, 0, 0, 0, 0, 0, 0, 10, 5}));
  EXPECT_EQ(slice(f, L + 32, 32), Bytes(32, 0));
  EXPECT_EQ(slice(f, L + 64, 49179), patterned(49179, 1));

  EXPECT_EQ(ui.bar.minimum, 0);
  EXPECT_EQ(ui.bar.maximum, 2);
  EXPECT_EQ(ui.bar.step, 1);
  EXPECT_EQ(ui.bar.steps, 2);
  EXPECT_EQ(ui.bar.position, 0) << "back to 0 at the end";
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, messages::kImageCreated);
  EXPECT_EQ(ui.messages[0].caption, "TMB");
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(Build, TwoGamesOffsetsTypesNamesAndMaps) {
  ASSERT_EQ(create({row("Cave Quest", "cave.sna", 49179, 1), row("Exactly15chars!Extra", "game.z80", 30000, 2),
                    row("x", "nopreset", 5, 3)}),
            CreateResult::Created);
  const Bytes& f = written();
  const std::size_t dir = L, data = L + 4 * 32;
  EXPECT_EQ(le32(f, dir + 16), 128u);
  EXPECT_EQ(le32(f, dir + 32 + 16), 128u + 49179);
  EXPECT_EQ(le32(f, dir + 64 + 16), 128u + 49179 + 30000);
  EXPECT_EQ(f[dir + 32 + 20], 1) << "z80";
  EXPECT_EQ(f[dir + 64 + 20], 1) << "no extension";
  EXPECT_EQ(text(f, dir + 32, 16), std::string("Exactly15chars!") + '\0') << "15 characters, no blank";
  EXPECT_EQ(slice(f, dir + 32 + 22, 10), (Bytes{0, 15, 0, 0, 0, 0, 0, 0, 0, 0})) << "custom map";
  EXPECT_EQ(slice(f, dir + 64 + 22, 10), Bytes(10, 0)) << "preset without a section";
  EXPECT_EQ(slice(f, dir + 96, 32), Bytes(32, 0));
  EXPECT_EQ(slice(f, data + 49179, 30000), patterned(30000, 2));
  EXPECT_EQ(f.size(), data + 49179 + 30000 + 5);
  EXPECT_EQ(ui.messages.size(), 1u) << "no message for the missing preset";
}

TEST_F(Build, SameSnapshotTwiceIsCopiedTwice) {
  const RomListEntry cave = row("Cave", "cave.sna", 1000, 9);
  ASSERT_EQ(create({cave, cave}), CreateResult::Created);
  const Bytes& f = written();
  EXPECT_EQ(le32(f, L + 16), 96u);
  EXPECT_EQ(le32(f, L + 48), 1096u);
  EXPECT_EQ(slice(f, L + 1096, 1000), patterned(1000, 9));
}

TEST(SnapshotType, OnlySnaInAnyCaseIsZero) {
  for (const char* sna : {"a.sna", "a.SNA", "a.SnA", "x.z80.sna"}) EXPECT_EQ(snapshotType(sna), SnapshotType::Sna) << sna;
  for (const char* z80 : {"a.z80", "a.Z80", "a", "a.snap", "sna"}) EXPECT_EQ(snapshotType(z80), SnapshotType::Z80) << z80;
}

TEST_F(Build, TargetFolderChoice) {
  struct Case {
    const char* tmbBinary;  // nullptr: key absent
    std::optional<std::string> override;
    const char* target;
  } cases[] = {
      {nullptr, std::nullopt, "/work/tmb.gba"},
      {"/out", std::nullopt, "/out/tmb.gba"},             // created, one level
      {"/out", std::string("/elsewhere"), "/elsewhere/tmb.gba"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    MemoryFileSystem fresh;
    fs = fresh;
    fs.addFolder("/work");
    settings.deleteKey("Settings", "TMBBinary");
    if (c.tmbBinary) settings.writeString("Settings", "TMBBinary", c.tmbBinary);
    out = c.override;
    ASSERT_EQ(create({row("Cave", "cave.sna", 10, 1)}), CreateResult::Created);
    EXPECT_EQ(written(c.target).size(), L + 64 + 10);
  }
}

TEST_F(Build, ExistingTargetIsReplacedOnlyOnYes) {
  fs.addFile("/work/tmb.gba", test::bytesOf("old"));
  ui.answer = false;
  EXPECT_EQ(create({row("Cave", "cave.sna", 10, 1)}), CreateResult::Stopped);
  EXPECT_EQ(written(), test::bytesOf("old"));
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "Warning|TMB binary already exists.\rReplace?");

  ui.answer = true;
  EXPECT_EQ(create({row("Cave", "cave.sna", 10, 1)}), CreateResult::Created);
  EXPECT_EQ(written().size(), L + 64 + 10);
}

TEST_F(Build, UncreatableFolderIsReportedNamingTheFile) {
  settings.writeString("Settings", "TMBBinary", "/no/such");
  EXPECT_EQ(create({row("Cave", "cave.sna", 10, 1)}), CreateResult::Failed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, kErrorCaption);
  EXPECT_NE(ui.messages[0].text.find("/no/such/tmb.gba"), std::string::npos) << ui.messages[0].text;
  EXPECT_FALSE(fs.folderExists("/no/such"));
}

TEST_F(Build, MissingSnapshotEndsTheBuildKeepingWhatWasWritten) {
  RomListEntry gone{"Gone", "", "gone.sna", "/games/", ""};
  EXPECT_EQ(create({row("Cave", "cave.sna", 10, 1), gone, row("Zed", "zed.sna", 10, 2)}), CreateResult::Failed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("/games/gone.sna"), std::string::npos) << ui.messages[0].text;
  EXPECT_EQ(written().size(), L + 2 * 32) << "the image and the entries before the failure";
  EXPECT_EQ(ui.bar.position, 1) << "the progress keeps its place";
}

TEST_F(Build, UnreadableSnapshotAtTheCopy) {
  const RomListEntry zed = row("Zed", "zed.sna", 10, 2);
  fs.denyReads("/games/zed.sna");
  EXPECT_EQ(create({row("Cave", "cave.sna", 10, 1), zed}), CreateResult::Failed);
  EXPECT_EQ(written().size(), L + 3 * 32 + 10) << "directory complete, first game copied";
  EXPECT_NE(ui.texts().at(0).find("zed.sna"), std::string::npos);
}

// A snapshot that grows between sizing and copying would shift every later game.
struct GrowingFileSystem : MemoryFileSystem {
  std::uint64_t fileSize(const std::string& path) override {
    const auto size = MemoryFileSystem::fileSize(path);
    addFile(path, patterned(size + 1, 0));
    return size;
  }
};

TEST_F(Build, SnapshotChangedDuringTheBuildIsAnError) {
  GrowingFileSystem growing;
  growing.addFolder("/work");
  growing.addFile("/games/cave.sna", patterned(10, 1));
  BuildEnvironment env{growing, ui, launcher, image, nullptr, "/work", std::nullopt};
  EXPECT_EQ(createImage({{"Cave", "", "cave.sna", "/games/", ""}}, settings, env), CreateResult::Failed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("changed"), std::string::npos) << ui.messages[0].text;
}

}  // namespace
}  // namespace tmb
