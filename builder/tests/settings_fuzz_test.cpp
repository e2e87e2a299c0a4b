// Random and malformed settings files: the loader takes anything, and what it saves loads back
// to the same store.
#include <gtest/gtest.h>

#include <random>

#include "core/settings_file.h"

namespace tmb {
namespace {

std::string randomIni(std::mt19937& rng) {
  static const char* const pieces[] = {"[", "]", "=", ";", " ", "\t", "\r", "\n", "\r\n", "\0", "Settings",
                                       "control", "CONTROL", "[Cave]", "\xEF\xBB\xBF", "\xFF", "a", "Z"};
  std::uniform_int_distribution<int> length(0, 80), pick(0, 2 * int(std::size(pieces)) - 1), byte(0, 255);
  std::string text;
  for (int n = length(rng); n > 0; --n) {
    const int p = pick(rng);
    if (p < int(std::size(pieces)))
      text += (p == 9 ? std::string(1, '\0') : std::string(pieces[p]));
    else
      text += static_cast<char>(byte(rng));
  }
  return text;
}

TEST(SettingsFuzz, LoadSaveLoadGivesTheSameStore) {
  std::mt19937 rng(20261211);
  for (int round = 0; round < 20000; ++round) {
    const std::string input = randomIni(rng);
    const SettingsFile first = SettingsFile::parse(input);
    const std::string saved = first.text();
    const SettingsFile second = SettingsFile::parse(saved);
    ASSERT_TRUE(first == second) << "round " << round;
    ASSERT_EQ(saved, second.text());
    for (const auto& name : first.sectionNames()) (void)first.readString(name, "control", "");
  }
}

}  // namespace
}  // namespace tmb
