#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tmb::cli {

// Exit statuses of the command.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // a failure, or the build stopped
constexpr int kExitUsage = 2;

struct Options {
  std::optional<std::string> outFolder;
  std::optional<std::string> settingsFile;
  bool yes = false;
  std::vector<std::string> snapshots;
};

int runCreate(const Options& options);
int runList(const Options& options);

}  // namespace tmb::cli
