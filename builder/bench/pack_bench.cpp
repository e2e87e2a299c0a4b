// Packs 300 snapshot-sized files with `tmb create` and, side by side, concatenates the same
// files with plain reads and writes. Prints the times; it never fails on speed.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/create_image.h"
#include "core/disk_file_system.h"
#include "core/rom_list.h"
#include "core/settings_file.h"
#include "data/embedded.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kGames = 300;
constexpr std::size_t kSnaSize = 49179;  // a 48K .SNA
constexpr int kRounds = 5;

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void concatenate(const std::vector<std::string>& files, const fs::path& out) {
  std::FILE* o = std::fopen(out.c_str(), "wb");
  std::vector<char> buffer(1 << 16);
  for (const auto& name : files) {
    std::FILE* i = std::fopen(name.c_str(), "rb");
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), i)) > 0) std::fwrite(buffer.data(), 1, n, o);
    std::fclose(i);
  }
  std::fclose(o);
}

struct QuietProgress : tmb::Progress {
  void setMinimum(int) override {}
  void setMaximum(int) override {}
  void setStep(int) override {}
  void stepIt() override {}
  void setPosition(int) override {}
};
struct QuietUi : tmb::UserInterface {
  QuietProgress bar;
  void message(const std::string&, const std::string&, tmb::MessageIcon) override {}
  bool askYesNo(const std::string&, const std::string&) override { return true; }
  tmb::Progress& progress() override { return bar; }
};
struct NoLauncher : tmb::Launcher {
  std::optional<std::string> open(const std::string&, const std::string&) override { return std::nullopt; }
};

// The core's build alone, in this process: the command without process start and settings.
void createInProcess(const std::vector<std::string>& files, const fs::path& out) {
  tmb::DiskFileSystem disk;
  QuietUi ui;
  NoLauncher launcher;
  tmb::SettingsFile settings;
  tmb::RomList list;
  list.addGames(settings, files, "Kempston");
  tmb::BuildEnvironment env{disk, ui, launcher, tmb::data::emulatorImage(), nullptr, out.string(), std::nullopt};
  if (tmb::createImage(list.rows(), settings, env) != tmb::CreateResult::Created) std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pack_bench PATH-TO-TMB\n");
    return 2;
  }
  const std::string tmb = fs::absolute(argv[1]).string();
  const fs::path dir = fs::temp_directory_path() / ("tmb-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir / "games");
  std::vector<std::string> files;
  std::string args;
  std::vector<char> data(kSnaSize);
  for (int g = 0; g < kGames; ++g) {
    for (std::size_t i = 0; i < kSnaSize; ++i) data[i] = static_cast<char>(g * 31 + i);
    const fs::path p = dir / "games" / ("game" + std::to_string(g) + ".sna");
    std::ofstream(p, std::ios::binary).write(data.data(), static_cast<std::streamsize>(data.size()));
    files.push_back(p.string());
    args += " '" + p.string() + "'";
  }
  const std::string command = "cd '" + dir.string() + "' && '" + tmb + "' create --yes --out out" + args + " >/dev/null";

  std::vector<double> tmbTimes, catTimes, coreTimes;
  fs::create_directories(dir / "core");
  for (int round = 0; round < kRounds; ++round) {
    auto t0 = Clock::now();
    concatenate(files, dir / "cat.bin");
    auto t1 = Clock::now();
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "pack_bench: tmb create failed\n");
      return 1;
    }
    auto t2 = Clock::now();
    createInProcess(files, dir / "core");
    auto t3 = Clock::now();
    coreTimes.push_back(std::chrono::duration<double, std::milli>(t3 - t2).count());
    catTimes.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    tmbTimes.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
  }
  const auto imageSize = fs::file_size(dir / "out" / "tmb.gba");
  const double tmbMs = median(tmbTimes), catMs = median(catTimes);
  std::printf("pack_bench: %d files of %zu bytes, median of %d rounds\n", kGames, kSnaSize, kRounds);
  std::printf("  tmb create (whole process):  %8.1f ms  (%llu-byte image)\n", tmbMs,
              static_cast<unsigned long long>(imageSize));
  std::printf("  core build in this process:  %8.1f ms\n", median(coreTimes));
  std::printf("  plain concatenation:         %8.1f ms\n", catMs);
  std::printf("  ratio tmb / concatenation:   %8.2f\n", tmbMs / catMs);
  fs::remove_all(dir);
  return 0;
}
