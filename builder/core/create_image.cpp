#include "core/create_image.h"

#include <cstdint>
#include <limits>

#include "core/image_layout.h"
#include "core/key_codes.h"
#include "core/messages.h"
#include "core/path.h"
#include "core/pogo_plugin.h"
#include "core/settings_file.h"

namespace tmb {

namespace {

std::string targetFolderFor(bool plugin, const SettingsFile& settings, const BuildEnvironment& env) {
  if (env.targetFolder) return *env.targetFolder;
  if (!plugin) return settings.readString("Settings", "TMBBinary", env.workingDirectory);
  return joinPath(joinPath(settings.readString("Settings", "Pogoshell", ""), "root"), ".plugins");
}

std::uint32_t directoryOffset(std::uint64_t offset, const RomListEntry& row) {
  // Offsets are 32-bit in the directory; a larger image could only be written wrong.
  if (offset > std::numeric_limits<std::uint32_t>::max())
    throw FileError("Cannot add \"" + row.path() + "\": the image would pass 4 GiB");
  return static_cast<std::uint32_t>(offset);
}

// Steps 5 to 13 of the build; throws FileError where a file operation fails.
bool writeImage(const std::vector<RomListEntry>& rows, const std::string& folder, const std::string& target,
                const SettingsFile& settings, BuildEnvironment& env, std::unique_ptr<OutputFile>& out) {
  Progress& progress = env.ui.progress();
  const std::size_t n = rows.size();

  env.fs.writeFile(target, env.emulatorImage);
  out = env.fs.openForAppend(target);
  progress.setMinimum(0);
  progress.setMaximum(static_cast<int>(2 * n));
  progress.setStep(1);

  // The whole directory goes out before any snapshot byte, so the sizes are taken first...
  std::vector<std::uint64_t> sizes;
  std::uint64_t offset = kRomEntrySize * n + kRomEntrySize;
  for (const RomListEntry& row : rows) {
    Bytes entry;
    appendRomEntry(entry, row.romName, directoryOffset(offset, row), snapshotType(row.fileName),
                   resolveControlMap(settings, row.gameKey()));
    out->append(entry);
    sizes.push_back(env.fs.fileSize(row.path()));
    offset += sizes.back();
    progress.stepIt();
  }
  if (n > 0) out->append(Bytes(kRomEntrySize, 0));

  // ...and the files must still have them when they are copied, or every later offset is wrong.
  for (std::size_t i = 0; i < n; ++i) {
    const Bytes data = env.fs.readFile(rows[i].path());
    if (data.size() != sizes[i])
      throw FileError("The file \"" + rows[i].path() + "\" changed while the image was written (" +
                      std::to_string(sizes[i]) + " bytes, now " + std::to_string(data.size()) + ")");
    out->append(data);
    progress.stepIt();
  }

  if (n == 0) return finishPlugin(*out, folder, settings, env);
  out->close();
  return true;
}

}  // namespace

CreateResult createImage(const std::vector<RomListEntry>& rows, const SettingsFile& settings,
                         BuildEnvironment& env) {
  using namespace messages;
  const bool plugin = rows.empty();
  const std::string folder = targetFolderFor(plugin, settings, env);
  if (plugin) {
    env.ui.message(kNoRoms, kWarningCaption, MessageIcon::None);
    if (!env.targetFolder && settings.readString("Settings", "Pogoshell", "").empty()) {
      env.ui.message(kNoPath, kErrorBangCaption, MessageIcon::Exclamation);
      return CreateResult::Stopped;
    }
  }

  // Only the last level; a failure shows up when the image is written.
  if (!env.fs.folderExists(folder)) env.fs.createFolder(folder);

  const std::string target = joinPath(folder, "tmb.gba");
  if (env.fs.fileExists(target) && !env.ui.askYesNo(plugin ? kReplacePlugin : kReplaceImage, kWarningCaption))
    return CreateResult::Stopped;

  std::unique_ptr<OutputFile> out;
  try {
    if (!writeImage(rows, folder, target, settings, env, out)) return CreateResult::Failed;
  } catch (const FileError& e) {
    // The target keeps what was written so far; the progress stays where it stopped.
    if (out) {
      try {
        out->close();
      } catch (const FileError&) {
      }
    }
    env.ui.message(e.what(), kErrorCaption, MessageIcon::Error);
    return CreateResult::Failed;
  }

  env.ui.message(plugin ? kPluginCreated : kImageCreated, kTmbCaption, MessageIcon::None);
  env.ui.progress().setPosition(0);
  return CreateResult::Created;
}

}  // namespace tmb
