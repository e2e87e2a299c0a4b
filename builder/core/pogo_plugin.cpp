#include "core/pogo_plugin.h"

#include <map>

#include "core/image_layout.h"
#include "core/key_codes.h"
#include "core/path.h"
#include "core/settings_file.h"

namespace tmb {

namespace {

// Sections holding a "Control" key are the games; settings and preset sections have none.
bool isGameSection(const SettingsFile& settings, const std::string& lowered) {
  return !settings.readString(lowered, "Control", "").empty();
}

std::string shellFolder(const std::string& targetFolder) {
  return joinPath(joinPath(targetFolder, ".."), ".shell");
}

}  // namespace

Bytes pogoTable(const SettingsFile& settings, Progress& progress) {
  Bytes table;
  appendPogoRecord(table, kPogoDefaultName, readControlMap(settings, "Control_Kempston"));
  const auto sections = settings.sectionNames();
  progress.setMaximum(static_cast<int>(sections.size()));
  for (const std::string& section : sections) {
    const std::string lowered = lowerAscii(section);
    if (isGameSection(settings, lowered))
      appendPogoRecord(table, pogoRecordName(lowered), resolveControlMap(settings, lowered));
    progress.stepIt();
  }
  table.push_back(0);
  return table;
}

bool finishPlugin(OutputFile& target, const std::string& targetFolder, const SettingsFile& settings,
                  BuildEnvironment& env) {
  target.append(pogoTable(settings, env.ui.progress()));
  target.close();

  if (settings.readString("Settings", "Associations", "") == "Maintain" && env.themes) {
    if (const auto theme = env.themes(settings.readString("Settings", "Theme", ""))) {
      const std::string shell = shellFolder(targetFolder);
      env.fs.writeFile(joinPath(shell, "filetypes"), theme->filetypes);
      env.fs.writeFile(joinPath(shell, "gui.cfg"), theme->gui);
      env.fs.writeFile(joinPath(shell, "icons.bmp"), theme->icons);
    }
  }

  if (settings.readString("Settings", "Compile", "") == "Yes") {
    const std::string pogoshell = joinPath(joinPath(targetFolder, ".."), "..") + kPathSeparator;
    if (const auto error = env.launcher.open("GO.BAT", pogoshell)) {
      env.ui.message("Cannot start GO.BAT in \"" + pogoshell + "\": " + *error, kErrorCaption, MessageIcon::Error);
      return false;
    }
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> pogoNameClashes(const SettingsFile& settings) {
  std::vector<std::pair<std::string, std::string>> clashes;
  std::map<std::string, std::string> firstByName;
  for (const std::string& section : settings.sectionNames()) {
    const std::string lowered = lowerAscii(section);
    if (!isGameSection(settings, lowered)) continue;
    const auto inserted = firstByName.emplace(pogoRecordName(lowered), lowered);
    if (!inserted.second) clashes.emplace_back(inserted.first->second, lowered);
  }
  return clashes;
}

}  // namespace tmb
