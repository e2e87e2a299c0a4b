#include "wav_writer.h"

#include <fstream>

namespace tmb::harness {

namespace {
void put16(std::ofstream& o, uint16_t v) {
  char b[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
  o.write(b, 2);
}
void put32(std::ofstream& o, uint32_t v) {
  put16(o, static_cast<uint16_t>(v));
  put16(o, static_cast<uint16_t>(v >> 16));
}
}  // namespace

bool writeWav(const std::string& path, const std::vector<int16_t>& stereo, uint32_t rate, std::string* error) {
  std::ofstream o(path, std::ios::binary | std::ios::trunc);
  uint32_t data = static_cast<uint32_t>(stereo.size() * 2);
  o.write("RIFF", 4);
  put32(o, 36 + data);
  o.write("WAVEfmt ", 8);
  put32(o, 16);
  put16(o, 1);  // PCM
  put16(o, 2);
  put32(o, rate);
  put32(o, rate * 4);
  put16(o, 4);
  put16(o, 16);
  o.write("data", 4);
  put32(o, data);
  for (int16_t s : stereo) put16(o, static_cast<uint16_t>(s));
  if (!o) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace tmb::harness
