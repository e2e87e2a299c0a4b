// Writes interleaved 16-bit stereo samples as a WAV file.
#ifndef TAMBERLIN_HARNESS_WAV_WRITER_H
#define TAMBERLIN_HARNESS_WAV_WRITER_H

#include <cstdint>
#include <string>
#include <vector>

namespace tmb::harness {

bool writeWav(const std::string& path, const std::vector<int16_t>& stereo, uint32_t rate, std::string* error);

}  // namespace tmb::harness

#endif  // TAMBERLIN_HARNESS_WAV_WRITER_H
