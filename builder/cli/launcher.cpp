#include "cli/launcher.h"

#include <cstdio>

#ifdef _WIN32
#include "core/shell_launcher.h"
#endif

namespace tmb::cli {

namespace {

class NoticeLauncher : public Launcher {
 public:
  std::optional<std::string> open(const std::string& file, const std::string& workingFolder) override {
    std::printf("%s was not started: Pogoshell's build script has to be run on Windows. Run it there in %s\n",
                file.c_str(), workingFolder.c_str());
    return std::nullopt;
  }
};

}  // namespace

std::unique_ptr<Launcher> makeLauncher() {
#ifdef _WIN32
  return std::make_unique<ShellLauncher>();
#else
  return std::make_unique<NoticeLauncher>();
#endif
}

}  // namespace tmb::cli
