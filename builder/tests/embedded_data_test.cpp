#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "data/embedded.h"

namespace tmb {
namespace {

Bytes readFile(const char* path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

TEST(EmbeddedData, EmulatorImageIsTheEmulatorBuildsFileByteForByte) {
  const Bytes file = readFile(TMB_GBA_IMAGE);
  ASSERT_GE(file.size(), 0xC0u + 4) << TMB_GBA_IMAGE;
  const ByteView image = data::emulatorImage();
  EXPECT_EQ(Bytes(image.begin(), image.end()), file);
}

}  // namespace
}  // namespace tmb

namespace tmb {
namespace {

std::string textOf(ByteView b) { return std::string(b.begin(), b.end()); }

std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const auto end = text.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::uint32_t le(ByteView b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b.data[at + i];
  return v;
}

struct ThemeCase {
  const char* name;
  int tamberlinIcon;
  std::uint32_t iconsHeight;
};

class EmbeddedTheme : public ::testing::TestWithParam<ThemeCase> {};

TEST_P(EmbeddedTheme, FiletypesBindTheSnapshotsToThePlugin) {
  const auto theme = data::themeFiles(GetParam().name);
  ASSERT_TRUE(theme);
  const std::string text = textOf(theme->filetypes);
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "every line ends in CR LF";
  const auto lines = crlfLines(text);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "5");
  const std::string icon = std::to_string(GetParam().tamberlinIcon);
  const std::vector<std::string> tail(lines.end() - 4, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"sna " + icon + " /.plugins/tmb.gba Tamberlin",
                                            "SNA " + icon + " /.plugins/tmb.gba Tamberlin",
                                            "z80 " + icon + " /.plugins/tmb.gba Tamberlin",
                                            "Z80 " + icon + " /.plugins/tmb.gba Tamberlin"}));
  const std::set<std::string> known = {"txt", "diz", "nfo", "cfg", "sav", "set", "mod", "cw", "cwz", "mdz", "nes",
                                       "zcode", "gba", "bin", "nsf", "mb", "bmp", "font", "gb", "gbc",
                                       "sna", "SNA", "z80", "Z80"};
  const std::string gui = textOf(theme->gui);
  const auto numIcons = std::stoi(gui.substr(gui.find("num_icons=") + 10));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::istringstream in(lines[i]);
    std::string ext;
    int n = -1;
    in >> ext >> n;
    EXPECT_TRUE(known.count(ext)) << lines[i];
    EXPECT_TRUE(n >= 0 && n < numIcons) << lines[i] << " (the sheet has " << numIcons << " icons)";
  }
}

TEST_P(EmbeddedTheme, GuiConfigAndIconSheetAgree) {
  const auto theme = data::themeFiles(GetParam().name);
  ASSERT_TRUE(theme);
  std::map<std::string, std::string> cfg;
  for (const auto& line : crlfLines(textOf(theme->gui))) {
    const auto eq = line.find('=');
    ASSERT_NE(eq, std::string::npos) << line;
    cfg[line.substr(0, eq)] = line.substr(eq + 1);
  }
  for (const char* key : {"tb_height", "sb_height", "wb_height", "icon_width", "icon_height", "num_icons", "fgcolor",
                          "bgcolor", "icons", "font"})
    EXPECT_TRUE(cfg.count(key)) << key;
  EXPECT_EQ(cfg["icons"], ".shell/icons.bmp");
  EXPECT_EQ(cfg["font"].substr(0, 6), "fonts/");

  // An uncompressed 8-bit Windows bitmap, 240 wide, with room for every icon.
  const ByteView bmp = theme->icons;
  ASSERT_GT(bmp.size, 54u);
  EXPECT_EQ(bmp.data[0], 'B');
  EXPECT_EQ(bmp.data[1], 'M');
  EXPECT_EQ(le(bmp, 2, 4), bmp.size);
  EXPECT_EQ(le(bmp, 14, 4), 40u) << "BITMAPINFOHEADER";
  EXPECT_EQ(le(bmp, 18, 4), 240u);
  EXPECT_EQ(le(bmp, 22, 4), GetParam().iconsHeight);
  EXPECT_EQ(le(bmp, 26, 2), 1u);
  EXPECT_EQ(le(bmp, 28, 2), 8u);
  EXPECT_EQ(le(bmp, 30, 4), 0u) << "BI_RGB";
  EXPECT_EQ(le(bmp, 10, 4) + 240 * GetParam().iconsHeight, bmp.size);
  const int w = std::stoi(cfg["icon_width"]), h = std::stoi(cfg["icon_height"]);
  EXPECT_GE((240 / w) * (static_cast<int>(GetParam().iconsHeight) / h), std::stoi(cfg["num_icons"]));
  EXPECT_GT(std::stoi(cfg["num_icons"]), GetParam().tamberlinIcon);
}

INSTANTIATE_TEST_SUITE_P(Themes, EmbeddedTheme,
                         ::testing::Values(ThemeCase{"Original", 13, 46}, ThemeCase{"Amiga", 5, 68},
                                           ThemeCase{"PogoXP", 5, 62}, ThemeCase{"XPSmall", 14, 46}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EmbeddedThemes, OnlyTheFourExactNames) {
  for (const char* other : {"original", "AMIGA", "", "Classic"}) EXPECT_FALSE(data::themeFiles(other)) << other;
}

}  // namespace
}  // namespace tmb
