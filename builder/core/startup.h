#pragma once
// What the main window does with the settings when it is created and closed, as plain
// functions for the command line and the GUI alike.
#include <string>
#include <vector>

#include "core/settings_file.h"

namespace tmb {

class UserInterface;

// working directory + separator + "TMB.INI"
std::string settingsPath(const std::string& workingDirectory);

struct StartupValues {
  std::string homepage;                 // "URL" of "Homepage"
  std::string defaultPreset;            // "Default0n" of "Control Defaults", "Kempston" when absent
  std::vector<std::string> presets;     // "Default0", "Default1", ... up to the first empty one
};

// Stamps the version into the store and reads what the run holds on to.
StartupValues startUp(SettingsFile& settings);

// The presets offered, without touching the store (for listings).
std::vector<std::string> offeredPresets(const SettingsFile& settings);

// Preset names double as menu identifiers: letters, digits and "_", not starting with a digit.
bool isPresetIdentifier(const std::string& name);

// Saves the store; a failure is reported to the user, naming the file, and the store stays as
// it is in memory. Returns whether the file was written.
bool saveSettings(const SettingsFile& settings, FileSystem& fs, UserInterface& ui);

}  // namespace tmb
