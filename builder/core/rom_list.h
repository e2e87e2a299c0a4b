#pragma once
// The games of the next standalone build. Not stored: each row mirrors its game's section.
#include <string>
#include <vector>

namespace tmb {

class SettingsFile;

constexpr std::size_t kRomNameLength = 15;

// A snapshot's file name without folder and extension, lower-cased: the name of its section.
std::string gameKey(const std::string& path);

struct RomListEntry {
  std::string romName;   // at most 15 characters
  std::string control;   // a preset name or "Custom"
  std::string fileName;  // with extension, lower case
  std::string folder;    // with its trailing separator
  // The name as the file system spells it. The row shows the lower-case name, but on a
  // case-sensitive file system only the real spelling opens the file.
  std::string diskName;
  std::string gameKey() const;
  std::string path() const { return folder + (diskName.empty() ? fileName : diskName); }
};

// Ordering of the list: the names compared as a locale-aware, case-sensitive comparison does
// for plain text (letters first by their case-blind value, lower case before upper on a tie).
bool romNameLess(const std::string& a, const std::string& b);

class RomList {
 public:
  // Adds snapshots as the main window's Add does: "LastDir" becomes the files' folder, each row
  // takes its ROM name and control from the game's section (defaults: the game key and
  // `defaultPreset`), the list is re-sorted by ROM name, and the section is written back.
  void addGames(SettingsFile& settings, const std::vector<std::string>& paths, const std::string& defaultPreset);
  const std::vector<RomListEntry>& rows() const { return rows_; }
  bool empty() const { return rows_.empty(); }

 private:
  std::vector<RomListEntry> rows_;
};

}  // namespace tmb
