#include <gtest/gtest.h>

#include <set>

#include "core/key_codes.h"
#include "core/settings_file.h"

namespace tmb {
namespace {

TEST(KeyCodes, HalfRowsAndKempstonBitsInCodeOrder) {
  // Joined from the table: a missing comma or a swapped pair shows up here.
  std::string joined;
  for (std::size_t code = 1; code < kKeyNames.size(); ++code) joined += std::string(kKeyNames[code]) + ",";
  EXPECT_EQ(joined,
            "B,N,M,SYM SHIFT,SPACE,"  "H,J,K,L,ENTER,"  "Y,U,I,O,P,"  "6,7,8,9,0,"  "5,4,3,2,1,"
            "T,R,E,W,Q,"  "G,F,D,S,A,"  "V,C,X,Z,SHIFT,"  "JOY RIGHT,JOY LEFT,JOY DOWN,JOY UP,JOY FIRE,");
  for (std::size_t code = 1; code < kKeyNames.size(); ++code)
    EXPECT_EQ(keyCode(kKeyNames[code]), code) << kKeyNames[code];
}

TEST(KeyCodes, SpotValuesAndUnknownTexts) {
  EXPECT_EQ(keyCode("B"), 1);
  EXPECT_EQ(keyCode("SPACE"), 5);
  EXPECT_EQ(keyCode("Q"), 30);
  EXPECT_EQ(keyCode("A"), 35);
  EXPECT_EQ(keyCode("SHIFT"), 40);
  EXPECT_EQ(keyCode("JOY FIRE"), 45);
  for (const char* unknown : {"a", "Space", "SYMSHIFT", "JOY FIRE 2", "<unassigned>", "", " A", "AA"})
    EXPECT_EQ(keyCode(unknown), 0) << '"' << unknown << '"';
}

TEST(KeyCodes, DialogListHoldsEveryNameOnce) {
  std::set<std::string> listed(kKeyList.begin(), kKeyList.end());
  std::set<std::string> coded(kKeyNames.begin(), kKeyNames.end());
  EXPECT_EQ(listed.size(), kKeyCodeCount);
  EXPECT_EQ(listed, coded);
  EXPECT_STREQ(kKeyList[0], "<unassigned>");
  EXPECT_STREQ(kKeyList[1], "A");
  EXPECT_STREQ(kKeyList[kKeyCodeCount - 1], "JOY FIRE");
}

TEST(ControlMaps, Resolution) {
  const auto s = SettingsFile::parse(
      "[Control_Kempston]\nButton A=JOY FIRE\nDPad Right=JOY RIGHT\nBack Right=ENTER\nBack Left=SPACE\n"
      "[cave]\nControl=Kempston\nButton A=Q\n"
      "[custom]\nControl=Custom\nButton B=P\nStart=JOY FIRE 2\nSelect=0\n"
      "[bare]\nControl=Custom\n"
      "[lost]\nControl=Nowhere\n"
      "[Control_]\nButton A=A\n"
      "[nocontrol]\nFilename=x\n");
  struct Case {
    const char* game;
    ControlMap map;
  } cases[] = {
      {"cave", {45, 0, 0, 0, 41, 0, 0, 0, 10, 5}},   // preset wins over the game's own keys
      {"CAVE", {45, 0, 0, 0, 41, 0, 0, 0, 10, 5}},   // section names match in any case
      {"custom", {0, 15, 20, 0, 0, 0, 0, 0, 0, 0}},  // its own keys
      {"bare", {}},                                  // Custom without keys
      {"lost", {}},                                  // preset without a section
      {"nocontrol", {35}},                           // no Control: the section "Control_"
      {"absent", {35}},
  };
  for (const auto& c : cases) EXPECT_EQ(resolveControlMap(s, c.game), c.map) << c.game;
}

}  // namespace
}  // namespace tmb
