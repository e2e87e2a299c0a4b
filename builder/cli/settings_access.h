#pragma once
#include <string>

#include "cli/commands.h"
#include "core/file_system.h"
#include "core/settings_file.h"

namespace tmb::cli {

// The working directory, as the builder takes it once at start.
std::string workingDirectory();

// --settings FILE, or TMB.INI in the working directory.
std::string settingsFileFor(const Options& options);

}  // namespace tmb::cli
