#pragma once
// "Create TMB": the standalone image for a list of games, or the Pogoshell plug-in for an
// empty list. Plain logic; the caller supplies files, user interface and embedded data.
#include <optional>
#include <string>
#include <vector>

#include "core/bytes.h"
#include "core/file_system.h"
#include "core/rom_list.h"
#include "core/theme_files.h"
#include "core/user_interface.h"

namespace tmb {

class SettingsFile;

struct BuildEnvironment {
  FileSystem& fs;
  UserInterface& ui;
  Launcher& launcher;
  ByteView emulatorImage;
  ThemeLookup themes;
  std::string workingDirectory;            // where the image goes while "TMBBinary" is unset
  std::optional<std::string> targetFolder; // replaces the configured folder for one run
};

enum class CreateResult {
  Created,  // the completion message was shown
  Stopped,  // the user said No, or no folder is set up: nothing written
  Failed,   // a file or system operation failed and was reported; what was written stays
};

CreateResult createImage(const std::vector<RomListEntry>& rows, const SettingsFile& settings,
                         BuildEnvironment& env);

}  // namespace tmb
