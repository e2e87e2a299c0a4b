#pragma once
// The Pogoshell branch of "Create TMB": the control table behind the emulator image, the
// theme files and the start of Pogoshell's build script.
#include <string>
#include <utility>
#include <vector>

#include "core/bytes.h"
#include "core/create_image.h"

namespace tmb {

class SettingsFile;
class OutputFile;

// The default record, one record per section that holds a "Control" key, and the end mark.
// Steps the progress once per section, written or not.
Bytes pogoTable(const SettingsFile& settings, Progress& progress);

// Appends the table to the open target, closes it, writes the theme and starts the build
// script as configured. Returns false when a reported failure ends the command.
bool finishPlugin(OutputFile& target, const std::string& targetFolder, const SettingsFile& settings,
                  BuildEnvironment& env);

// Pairs of games whose records carry the same name (their names agree in the first 31
// characters), which the emulator cannot tell apart.
std::vector<std::pair<std::string, std::string>> pogoNameClashes(const SettingsFile& settings);

}  // namespace tmb
