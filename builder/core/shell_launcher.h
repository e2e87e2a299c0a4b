#pragma once
#ifdef _WIN32
#include "core/user_interface.h"

namespace tmb {

// The Windows shell's "open" operation, in a normally shown window, without waiting.
class ShellLauncher : public Launcher {
 public:
  std::optional<std::string> open(const std::string& file, const std::string& workingFolder) override;
};

}  // namespace tmb
#endif
