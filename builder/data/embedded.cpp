#include "data/embedded.h"

#include <cstddef>

// Defined by the sources that the embed tool generates at build time.
#define TMB_EMBEDDED(name)                     \
  namespace tmb::data {                        \
  extern const unsigned char name[];           \
  extern const std::size_t name##_size;        \
  }
TMB_EMBEDDED(emulator_image)
TMB_EMBEDDED(original_filetypes)
TMB_EMBEDDED(original_gui)
TMB_EMBEDDED(original_icons)
TMB_EMBEDDED(amiga_filetypes)
TMB_EMBEDDED(amiga_gui)
TMB_EMBEDDED(amiga_icons)
TMB_EMBEDDED(pogoxp_filetypes)
TMB_EMBEDDED(pogoxp_gui)
TMB_EMBEDDED(pogoxp_icons)
TMB_EMBEDDED(xpsmall_filetypes)
TMB_EMBEDDED(xpsmall_gui)
TMB_EMBEDDED(xpsmall_icons)
#undef TMB_EMBEDDED

namespace tmb::data {

ByteView emulatorImage() { return {emulator_image, emulator_image_size}; }

std::optional<ThemeFiles> themeFiles(const std::string& theme) {
#define TMB_THEME(value, name)                                                                    \
  if (theme == value)                                                                             \
    return ThemeFiles{{name##_filetypes, name##_filetypes_size}, {name##_gui, name##_gui_size}, \
                      {name##_icons, name##_icons_size}};
  // The settings' values, compared exactly.
  TMB_THEME("Original", original)
  TMB_THEME("Amiga", amiga)
  TMB_THEME("PogoXP", pogoxp)
  TMB_THEME("XPSmall", xpsmall)
#undef TMB_THEME
  return std::nullopt;
}

}  // namespace tmb::data
