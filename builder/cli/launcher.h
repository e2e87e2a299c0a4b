#pragma once
#include <memory>

#include "core/user_interface.h"

namespace tmb::cli {

// The shell's "open" on Windows. Elsewhere Pogoshell's GO.BAT cannot run, so the command says
// where to run it and carries on: the plug-in and the theme are written either way.
std::unique_ptr<Launcher> makeLauncher();

}  // namespace tmb::cli
