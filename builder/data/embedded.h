#pragma once
// Data the builder carries inside itself: the emulator image and the Pogoshell themes.
#include <optional>
#include <string>

#include "core/bytes.h"
#include "core/theme_files.h"

namespace tmb::data {

// The emulator image, exactly as the emulator build wrote it.
ByteView emulatorImage();

// "Original", "Amiga", "PogoXP" or "XPSmall" (exact); nothing for any other value.
std::optional<ThemeFiles> themeFiles(const std::string& theme);

}  // namespace tmb::data
