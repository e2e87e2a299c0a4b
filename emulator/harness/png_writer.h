// Writes 0x00RRGGBB pixels as an 8-bit RGB PNG.
#ifndef TAMBERLIN_HARNESS_PNG_WRITER_H
#define TAMBERLIN_HARNESS_PNG_WRITER_H

#include <cstdint>
#include <string>
#include <vector>

namespace tmb::harness {

bool writeRgbPng(const std::string& path, const std::vector<uint32_t>& pixels, int width, int height,
                 std::string* error);

}  // namespace tmb::harness

#endif  // TAMBERLIN_HARNESS_PNG_WRITER_H
