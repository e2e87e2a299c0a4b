// gbafix: finishes a GBA cartridge image after linking.
//   gbafix IMAGE          fill the header complement (0xBD) and check that the word at 0xC0 is the file size
//   gbafix --placeholder OUT
//                         write a minimal image (valid header, entry loops forever) for builds
//                         that do not carry the real emulator
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr size_t kComplement = 0xBD;
constexpr size_t kLength = 0xC0;
constexpr size_t kEntry = 0xC4;

uint8_t complement(const std::vector<uint8_t>& image) {
  unsigned sum = 0;
  for (size_t i = 0xA0; i < kComplement; ++i) sum += image[i];
  return static_cast<uint8_t>(0u - sum - 0x19u);
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t get32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

bool write(const char* path, const std::vector<uint8_t>& b) {
  std::ofstream o(path, std::ios::binary | std::ios::trunc);
  o.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return static_cast<bool>(o);
}

int placeholder(const char* path) {
  std::vector<uint8_t> b(kEntry + 4, 0);
  put32(b, 0, 0xEA000000u | ((kEntry - 8) >> 2));  // B 0xC4
  std::memcpy(&b[0xA0], "Tamberlin   ", 12);
  std::memcpy(&b[0xAC], "Home", 4);
  b[0xB2] = 0x96;
  b[0xBE] = 0x80;
  put32(b, kLength, static_cast<uint32_t>(b.size()));
  put32(b, kEntry, 0xEAFFFFFEu);  // B . (nothing to run yet)
  b[kComplement] = complement(b);
  if (!write(path, b)) {
    std::fprintf(stderr, "gbafix: cannot write %s\n", path);
    return 1;
  }
  return 0;
}

int fix(const char* path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    std::fprintf(stderr, "gbafix: cannot read %s\n", path);
    return 1;
  }
  std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  f.close();
  if (b.size() < kEntry) {
    std::fprintf(stderr, "gbafix: %s is too short for a cartridge header (%zu bytes)\n", path, b.size());
    return 1;
  }
  if (get32(b, kLength) != b.size()) {
    std::fprintf(stderr, "gbafix: %s: header length word is %u but the image has %zu bytes\n", path,
                 get32(b, kLength), b.size());
    return 1;
  }
  b[kComplement] = complement(b);
  if (!write(path, b)) {
    std::fprintf(stderr, "gbafix: cannot write %s\n", path);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--placeholder") == 0) return placeholder(argv[2]);
  if (argc == 2 && argv[1][0] != '-') return fix(argv[1]);
  std::fprintf(stderr, "usage: gbafix IMAGE | gbafix --placeholder OUT\n");
  return 2;
}
