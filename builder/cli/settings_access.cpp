#include "cli/settings_access.h"

#include <filesystem>

#include "core/startup.h"

namespace tmb::cli {

std::string workingDirectory() { return std::filesystem::current_path().u8string(); }

std::string settingsFileFor(const Options& options) {
  return options.settingsFile ? *options.settingsFile : settingsPath(workingDirectory());
}

}  // namespace tmb::cli
