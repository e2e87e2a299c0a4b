#include "data/embedded.h"

#include <cstddef>

namespace tmb::data {

// Defined by the sources that the embed tool generates at build time.
extern const unsigned char emulator_image[];
extern const std::size_t emulator_image_size;

ByteView emulatorImage() { return {emulator_image, emulator_image_size}; }

std::optional<ThemeFiles> themeFiles(const std::string&) { return std::nullopt; }

}  // namespace tmb::data
