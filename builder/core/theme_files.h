#pragma once
// The Pogoshell theme files the builder carries: for each theme a filetypes list that binds
// .sna and .z80 to the plug-in, a gui.cfg and an icon picture, written unchanged.
#include <functional>
#include <optional>
#include <string>

#include "core/bytes.h"

namespace tmb {

struct ThemeFiles {
  ByteView filetypes;  // to ".shell/filetypes"
  ByteView gui;        // to ".shell/gui.cfg"
  ByteView icons;      // to ".shell/icons.bmp"
};

// Theme value of the settings -> its files; nothing for a theme the builder does not know.
using ThemeLookup = std::function<std::optional<ThemeFiles>(const std::string& theme)>;

}  // namespace tmb
