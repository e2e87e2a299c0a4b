// tmb create: the main window's Add for each snapshot, then "Create TMB", then the save that
// closing the window does.
#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "cli/launcher.h"
#include "cli/settings_access.h"
#include "cli/terminal_ui.h"
#include "core/create_image.h"
#include "core/disk_file_system.h"
#include "core/image_layout.h"
#include "core/pogo_plugin.h"
#include "core/rom_list.h"
#include "core/startup.h"
#include "data/embedded.h"

namespace tmb::cli {

namespace {

// The file dialog hands out full paths; so does the command, whatever the user typed.
std::string fullPath(const std::string& path) {
  return std::filesystem::absolute(std::filesystem::u8path(path)).lexically_normal().u8string();
}

// The plug-in table keeps 31 characters of a name; games that agree that far share a record
// name, and the emulator cannot tell them apart.
void warnAboutNameClashes(const SettingsFile& settings) {
  for (const auto& clash : pogoNameClashes(settings))
    std::fprintf(stderr,
                 "tmb: warning: the games \"%s\" and \"%s\" agree in their first %zu characters: both are "
                 "\"%s\" in the Pogoshell table, and the emulator cannot tell them apart\n",
                 clash.first.c_str(), clash.second.c_str(), kPogoNameField, pogoRecordName(clash.first).c_str());
}

}  // namespace

int runCreate(const Options& options) {
  DiskFileSystem fs;
  TerminalUi ui(options.yes);

  std::vector<std::string> snapshots;
  for (const std::string& s : options.snapshots) {
    const std::string path = fullPath(s);
    if (!fs.fileExists(path)) {
      std::fprintf(stderr, "tmb: cannot find the snapshot \"%s\"\n", s.c_str());
      return kExitFailed;
    }
    snapshots.push_back(path);
  }
  SettingsFile settings;
  try {
    settings = SettingsFile::load(fs, settingsFileFor(options));
  } catch (const FileError& e) {
    ui.message(e.what(), kErrorCaption, MessageIcon::Error);
    return kExitFailed;
  }
  const StartupValues startup = startUp(settings);

  RomList list;
  list.addGames(settings, snapshots, startup.defaultPreset);
  if (list.empty()) warnAboutNameClashes(settings);

  const auto launcher = makeLauncher();
  BuildEnvironment env{fs, ui, *launcher, data::emulatorImage(), data::themeFiles, workingDirectory(),
                       options.outFolder};
  const CreateResult result = createImage(list.rows(), settings, env);

  const bool saved = saveSettings(settings, fs, ui);
  return result == CreateResult::Created && saved ? kExitOk : kExitFailed;
}

}  // namespace tmb::cli
