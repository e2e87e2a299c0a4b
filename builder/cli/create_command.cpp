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
#include "core/rom_list.h"
#include "core/startup.h"
#include "data/embedded.h"

namespace tmb::cli {

namespace {

// The file dialog hands out full paths; so does the command, whatever the user typed.
std::string fullPath(const std::string& path) {
  return std::filesystem::absolute(std::filesystem::u8path(path)).lexically_normal().u8string();
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
  if (snapshots.empty()) {
    std::fprintf(stderr, "tmb: no snapshots given; the Pogoshell plug-in cannot be built by this version yet\n");
    return kExitFailed;
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

  const auto launcher = makeLauncher();
  BuildEnvironment env{fs, ui, *launcher, data::emulatorImage(), data::themeFiles, workingDirectory(),
                       options.outFolder};
  const CreateResult result = createImage(list.rows(), settings, env);

  const bool saved = saveSettings(settings, fs, ui);
  return result == CreateResult::Created && saved ? kExitOk : kExitFailed;
}

}  // namespace tmb::cli
