// The real `tmb` command in a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/bytes.h"
#include "data/embedded.h"
#include "test_support.h"

namespace tmb {
namespace {

namespace fs = std::filesystem;
using test::patterned;

Bytes readFile(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}
std::string readText(const fs::path& path) {
  const Bytes b = readFile(path);
  return std::string(b.begin(), b.end());
}
void writeFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Cli : ::testing::Test {
  fs::path dir;
  std::string out, err;

  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("tmb-cli-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "games");
    fs::copy_file(TMB_SHIPPED_INI, dir / "TMB.INI");
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs tmb in `dir` without a terminal; returns its exit status.
  int tmb(const std::string& args) {
    const std::string cmd = "cd '" + dir.string() + "' && '" TMB_BINARY "' " + args + " </dev/null >out.txt 2>err.txt";
    const int status = std::system(cmd.c_str());
    out = readText(dir / "out.txt");
    err = readText(dir / "err.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(Cli, CreateWritesImageDirectoryAndSnapshotsAndSavesTheSettings) {
  writeFile(dir / "games" / "Cave.SNA", patterned(49179, 1));
  writeFile(dir / "games" / "blocks.z80", patterned(3000, 2));
  ASSERT_EQ(tmb("create games/Cave.SNA games/blocks.z80"), 0) << err;
  EXPECT_EQ(out, "TMB binary created. Have fun!\n");

  const Bytes emulator = readFile(TMB_GBA_IMAGE);
  const std::size_t L = emulator.size();
  const Bytes f = readFile(dir / "tmb.gba");
  ASSERT_EQ(f.size(), L + 3 * 32 + 49179 + 3000);
  EXPECT_TRUE(std::equal(emulator.begin(), emulator.end(), f.begin())) << "the image starts with the emulator";
  // Sorted by ROM name: blocks before cave. Both got the shipped default preset, Kempston.
  const Bytes kempston{45, 5, 25, 10, 41, 42, 44, 43, 11, 2};
  const Bytes blocks(f.begin() + L, f.begin() + L + 32), cave(f.begin() + L + 32, f.begin() + L + 64);
  EXPECT_EQ(std::string(blocks.begin(), blocks.begin() + 16), std::string("blocks         ") + '\0');
  EXPECT_EQ(Bytes(blocks.begin() + 16, blocks.begin() + 22), (Bytes{96, 0, 0, 0, 1, 0}));
  EXPECT_EQ(Bytes(blocks.begin() + 22, blocks.end()), kempston);
  EXPECT_EQ(Bytes(cave.begin() + 16, cave.begin() + 22), (Bytes{3096 & 0xFF, 3096 >> 8, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(f.begin() + L + 64, f.begin() + L + 96), Bytes(32, 0));
  EXPECT_EQ(Bytes(f.begin() + L + 96, f.begin() + L + 3096), patterned(3000, 2));
  EXPECT_EQ(Bytes(f.begin() + L + 3096, f.end()), patterned(49179, 1));

  const std::string ini = readText(dir / "TMB.INI");
  EXPECT_NE(ini.find("[cave]\r\nFilename=cave\r\nControl=Kempston\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("LastDir=" + (dir / "games").string() + "/\r\n"), std::string::npos) << ini;
  EXPECT_EQ(ini.find(';'), std::string::npos) << "saved whole, without the comments";
}

TEST_F(Cli, ExistingImageNeedsYesWithoutATerminal) {
  writeFile(dir / "games" / "cave.sna", patterned(100, 1));
  writeFile(dir / "tmb.gba", test::bytesOf("keep me"));
  EXPECT_EQ(tmb("create games/cave.sna"), 1);
  EXPECT_NE(err.find("TMB binary already exists.\nReplace?"), std::string::npos) << err;
  EXPECT_EQ(readText(dir / "tmb.gba"), "keep me");
  EXPECT_NE(readText(dir / "TMB.INI").find("[cave]"), std::string::npos) << "settings are saved as on close";

  EXPECT_EQ(tmb("create --yes games/cave.sna"), 0) << err;
  EXPECT_EQ(readFile(dir / "tmb.gba").size(), readFile(TMB_GBA_IMAGE).size() + 64 + 100);
}

TEST_F(Cli, OutFolderAndSettingsFile) {
  writeFile(dir / "games" / "cave.sna", patterned(100, 1));
  fs::rename(dir / "TMB.INI", dir / "games" / "my.ini");
  ASSERT_EQ(tmb("create --out built --settings games/my.ini games/cave.sna"), 0) << err;
  EXPECT_TRUE(fs::exists(dir / "built" / "tmb.gba"));
  EXPECT_FALSE(fs::exists(dir / "TMB.INI"));
  EXPECT_EQ(readText(dir / "games" / "my.ini").find("TMBBinary"), std::string::npos) << "--out is for one run";

  ASSERT_EQ(tmb("list --settings games/my.ini"), 0);
  EXPECT_NE(out.find("cave             Kempston      cave"), std::string::npos) << out;
  EXPECT_NE(out.find("Sinclair"), std::string::npos) << out;
}

TEST_F(Cli, FailuresAndWrongUsage) {
  struct Case {
    const char* args;
    int status;
    const char* says;
  } cases[] = {
      {"", 2, "usage:"},
      {"frobnicate", 2, "unknown command"},
      {"create --bogus x.sna", 2, "unknown option"},
      {"create --out", 2, "--out needs a value"},
      {"list extra.sna", 2, "list takes only"},
      {"create games/none.sna", 1, "games/none.sna"},
      {"create --out no/such/folder games/here.sna", 1, "no/such/folder/tmb.gba"},
  };
  writeFile(dir / "games" / "here.sna", patterned(10, 1));
  for (const auto& c : cases) {
    EXPECT_EQ(tmb(c.args), c.status) << c.args;
    EXPECT_NE(err.find(c.says), std::string::npos) << c.args << ": " << err;
  }
}

TEST_F(Cli, PogoshellPluginThemeAndBuildScript) {
  const fs::path P = dir / "Pogoshell";
  for (const char* sub : {"plugins", "theme", "root/.shell"}) fs::create_directories(P / sub);
  {
    std::ofstream ini(dir / "TMB.INI", std::ios::app);
    ini << "[Settings]\nPogoshell=" << P.string() << "\nAssociations=Maintain\nTheme=PogoXP\nCompile=Yes\n"
        << "[Cave]\nFilename=Cave Quest\nControl=QAOP\n";
  }
  ASSERT_EQ(tmb("create"), 0) << err;
  EXPECT_NE(out.find("No ROMS selected!\nThis will create a PogoShell resource."), std::string::npos) << out;
  EXPECT_NE(out.find("GO.BAT was not started"), std::string::npos) << out;
  EXPECT_NE(out.find("TMB4POGO binary created. Have fun!"), std::string::npos) << out;

  const Bytes emulator = readFile(TMB_GBA_IMAGE);
  const Bytes f = readFile(P / "root" / ".plugins" / "tmb.gba");
  ASSERT_EQ(f.size(), emulator.size() + 2 * 42 + 1);
  EXPECT_TRUE(std::equal(emulator.begin(), emulator.end(), f.begin()));
  auto rec = [&](int i) { return Bytes(f.begin() + emulator.size() + 42 * i, f.begin() + emulator.size() + 42 * (i + 1)); };
  const Bytes kempston{45, 5, 25, 10, 41, 42, 44, 43, 11, 2}, qaop{5, 3, 25, 10, 15, 14, 30, 35, 11, 2};
  Bytes expected = test::bytesOf("<POGOSHELL>" + std::string(20, ' ') + '\0');
  expected.insert(expected.end(), kempston.begin(), kempston.end());
  EXPECT_EQ(rec(0), expected);
  expected = test::bytesOf("cave" + std::string(27, ' ') + '\0');
  expected.insert(expected.end(), qaop.begin(), qaop.end());
  EXPECT_EQ(rec(1), expected);
  EXPECT_EQ(f.back(), 0);

  const auto theme = data::themeFiles("PogoXP");
  ASSERT_TRUE(theme);
  EXPECT_EQ(readFile(P / "root" / ".shell" / "filetypes"), Bytes(theme->filetypes.begin(), theme->filetypes.end()));
  EXPECT_EQ(readFile(P / "root" / ".shell" / "gui.cfg"), Bytes(theme->gui.begin(), theme->gui.end()));
  EXPECT_EQ(readFile(P / "root" / ".shell" / "icons.bmp"), Bytes(theme->icons.begin(), theme->icons.end()));
}

TEST_F(Cli, PogoshellFailuresAndNameWarnings) {
  EXPECT_EQ(tmb("create"), 1) << "no Pogoshell folder set";
  EXPECT_NE(err.find("You have not setup a path for this binary!"), std::string::npos) << err;

  const fs::path P = dir / "Pogoshell";
  fs::create_directories(P / "root");  // no .shell
  const std::string stem(31, 'x');
  {
    std::ofstream ini(dir / "TMB.INI", std::ios::app);
    ini << "[Settings]\nPogoshell=" << P.string() << "\nAssociations=Maintain\nTheme=Amiga\n"
        << "[" << stem << "_one]\nControl=Kempston\n[" << stem << "_two]\nControl=Cursor\n";
  }
  EXPECT_EQ(tmb("create"), 1);
  EXPECT_NE(err.find(".shell/filetypes"), std::string::npos) << err;
  EXPECT_NE(err.find("warning: the games \"" + stem + "_one\" and \"" + stem + "_two\""), std::string::npos) << err;
  EXPECT_EQ(out.find("Have fun"), std::string::npos) << out;
  EXPECT_EQ(fs::file_size(P / "root" / ".plugins" / "tmb.gba"), readFile(TMB_GBA_IMAGE).size() + 3 * 42 + 1);
}

}  // namespace
}  // namespace tmb
