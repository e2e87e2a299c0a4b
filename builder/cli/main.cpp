// tmb: the Tamberlin builder on the command line.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "core/version.h"

namespace {

const char* const kUsage =
    "usage: tmb create [--out DIR] [--yes] [--settings FILE] [SNAPSHOT...]\n"
    "       tmb list [--settings FILE]\n"
    "       tmb --help | --version\n"
    "\n"
    "create   adds the .SNA/.Z80 snapshots as the builder's Add does and writes tmb.gba:\n"
    "         the emulator image, a directory of the games and the snapshots. Without\n"
    "         snapshots it writes the Pogoshell plug-in into the Pogoshell folder set in\n"
    "         the settings, with a control table of every game the settings know.\n"
    "         The theme files are written when \"Associations\" is \"Maintain\", and GO.BAT\n"
    "         is started when \"Compile\" is \"Yes\" (section \"Settings\"; Windows only).\n"
    "list     shows the games the settings know and the control presets.\n"
    "\n"
    "  --out DIR        write tmb.gba into DIR for this run (instead of the configured folder;\n"
    "                   for the plug-in the theme then goes to DIR/../.shell)\n"
    "  --yes            replace an existing tmb.gba without asking\n"
    "  --settings FILE  settings file to use (default: TMB.INI in the working directory)\n"
    "\n"
    "Exit status: 0 done, 1 failed or stopped, 2 wrong usage.\n";

int usageError(const std::string& problem) {
  std::fprintf(stderr, "tmb: %s\n%s", problem.c_str(), kUsage);
  return tmb::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tmb::cli;
  if (argc < 2) return usageError("no command given");
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  if (command == "--version") {
    std::printf("%s %s\n", tmb::version::kProductName, tmb::version::kFileVersion);
    return kExitOk;
  }
  if (command != "create" && command != "list") return usageError("unknown command \"" + command + "\"");

  Options options;
  bool onlyFiles = false;  // after "--" everything is a snapshot, even "-x.sna"
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (onlyFiles || arg.empty() || arg[0] != '-') {
      options.snapshots.push_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (arg == "--yes" || arg == "-y") {
      options.yes = true;
    } else if (arg == "--out" || arg == "--settings") {
      const char* v = value();
      if (!v) return usageError(arg + " needs a value");
      (arg == "--out" ? options.outFolder : options.settingsFile) = std::string(v);
    } else {
      return usageError("unknown option \"" + arg + "\"");
    }
  }
  if (command == "list") {
    if (!options.snapshots.empty() || options.outFolder || options.yes)
      return usageError("list takes only --settings");
    return runList(options);
  }
  return runCreate(options);
}
