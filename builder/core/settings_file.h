#pragma once
// TMB.INI: an ordered list of sections, each an ordered list of "name=value" lines. Section and
// key names match without regard to case; values are compared by the callers, exactly.
// Reads and writes go to memory; only load and save touch the file.
#include <string>
#include <vector>

#include "core/file_system.h"

namespace tmb {

class SettingsFile {
 public:
  SettingsFile() = default;

  // Missing file: an empty store that will be created at the first save.
  static SettingsFile load(FileSystem& fs, const std::string& path);
  static SettingsFile parse(const std::string& text);

  std::string readString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void deleteKey(const std::string& section, const std::string& key);
  // True when the section holds at least one line.
  bool sectionExists(const std::string& section) const;
  std::vector<std::string> sectionNames() const;

  // The whole file as saved: "[name]", its lines, an empty line; CRLF line ends.
  std::string text() const;
  // Writes a new file beside the old one and moves it over only when the write succeeded, so a
  // failed save leaves both the old file and this store as they were. Throws FileError.
  void save(FileSystem& fs) const;
  const std::string& path() const { return path_; }

  bool operator==(const SettingsFile& other) const { return sections_ == other.sections_; }

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;  // "name=value", or a line without "=" kept as it was
    bool operator==(const Section& o) const { return name == o.name && lines == o.lines; }
  };
  const Section* findSection(const std::string& name) const;
  Section* findSection(const std::string& name);

  std::vector<Section> sections_;
  std::string path_;
};

}  // namespace tmb
