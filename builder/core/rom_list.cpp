#include "core/rom_list.h"

#include <algorithm>

#include "core/path.h"
#include "core/settings_file.h"

namespace tmb {

std::string gameKey(const std::string& path) { return lowerAscii(withoutExtension(fileNameOf(path))); }

std::string RomListEntry::gameKey() const { return lowerAscii(withoutExtension(fileName)); }

bool romNameLess(const std::string& a, const std::string& b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char la = static_cast<unsigned char>(lower(a[i])), lb = static_cast<unsigned char>(lower(b[i]));
    if (la != lb) return la < lb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  // Same letters: the first position whose case differs decides, lower case first.
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return a[i] > b[i];
  return false;
}

void RomList::addGames(SettingsFile& settings, const std::vector<std::string>& paths,
                       const std::string& defaultPreset) {
  if (paths.empty()) return;
  settings.writeString("Settings", "LastDir", folderOf(paths.front()));
  for (const std::string& path : paths) {
    RomListEntry row;
    row.fileName = lowerAscii(fileNameOf(path));
    row.folder = folderOf(path);
    row.diskName = fileNameOf(path);
    const std::string key = row.gameKey();
    row.romName = settings.readString(key, "Filename", key).substr(0, kRomNameLength);
    row.control = settings.readString(key, "Control", defaultPreset);
    rows_.push_back(row);
    settings.writeString(key, "Filename", row.romName);
    settings.writeString(key, "Control", row.control);
  }
  // Sorting once after the loop gives what sorting after every row gives, as the sort is
  // stable: games of one name keep the order they were added in.
  std::stable_sort(rows_.begin(), rows_.end(),
                   [](const RomListEntry& a, const RomListEntry& b) { return romNameLess(a.romName, b.romName); });
}

}  // namespace tmb
