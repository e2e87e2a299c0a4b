// tmb list: what the settings know.
#include <cstdio>

#include "cli/commands.h"
#include "cli/settings_access.h"
#include "core/disk_file_system.h"
#include "core/path.h"
#include "core/startup.h"

namespace tmb::cli {

int runList(const Options& options) {
  DiskFileSystem fs;
  const std::string path = settingsFileFor(options);
  SettingsFile settings;
  try {
    settings = SettingsFile::load(fs, path);
  } catch (const FileError& e) {
    std::fprintf(stderr, "tmb: %s\n", e.what());
    return kExitFailed;
  }

  std::printf("Games in %s:\n", path.c_str());
  std::printf("  %-15s  %-12s  %s\n", "ROM name", "Control", "GameKey");
  int games = 0;
  for (const std::string& section : settings.sectionNames()) {
    const std::string key = lowerAscii(section);
    const std::string control = settings.readString(key, "Control", "");
    if (control.empty()) continue;  // not a game
    std::printf("  %-15s  %-12s  %s\n", settings.readString(key, "Filename", key).c_str(), control.c_str(),
                key.c_str());
    ++games;
  }
  if (games == 0) std::printf("  (none)\n");

  const std::string defaultPreset = settings.readString("Control Defaults", "Default0n", "Kempston");
  std::printf("Presets (new games get %s):\n", defaultPreset.c_str());
  const auto presets = offeredPresets(settings);
  for (const std::string& preset : presets)
    std::printf("  %s%s\n", preset.c_str(), settings.sectionExists("Control_" + preset) ? "" : "  (no section: builds as no keys)");
  if (presets.empty()) std::printf("  (none)\n");
  return kExitOk;
}

}  // namespace tmb::cli
