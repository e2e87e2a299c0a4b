#include "core/startup.h"

#include "core/path.h"
#include "core/user_interface.h"
#include "core/version.h"

namespace tmb {

std::string settingsPath(const std::string& workingDirectory) {
  return joinPath(workingDirectory, std::string(version::kInternalName) + ".INI");
}

std::vector<std::string> offeredPresets(const SettingsFile& settings) {
  std::vector<std::string> presets;
  for (int n = 0;; ++n) {
    std::string name = settings.readString("Control Defaults", "Default" + std::to_string(n), "");
    if (name.empty()) break;
    presets.push_back(std::move(name));
  }
  return presets;
}

StartupValues startUp(SettingsFile& settings) {
  settings.writeString(version::kInternalName, "Version", version::kFileVersion);
  StartupValues values;
  values.homepage = settings.readString("Homepage", "URL", "");
  values.defaultPreset = settings.readString("Control Defaults", "Default0n", "Kempston");
  values.presets = offeredPresets(settings);
  return values;
}

bool isPresetIdentifier(const std::string& name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

bool saveSettings(const SettingsFile& settings, FileSystem& fs, UserInterface& ui) {
  try {
    settings.save(fs);
    return true;
  } catch (const FileError& e) {
    ui.message(std::string("The settings could not be saved.\r") + e.what(), kErrorCaption, MessageIcon::Error);
    return false;
  }
}

}  // namespace tmb
