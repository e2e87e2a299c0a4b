// Small snapshot files made byte by byte for the loader tests.
#ifndef TAMBERLIN_FRONTEND_TESTS_SNAPSHOT_BUILDERS_H
#define TAMBERLIN_FRONTEND_TESTS_SNAPSHOT_BUILDERS_H

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tmb::test {

using Bytes = std::vector<uint8_t>;

inline void put16(Bytes& b, uint32_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A .SNA: header of zeros, RAM of `fill`.
inline Bytes sna(uint32_t sp, uint8_t fill = 0) {
  Bytes b(27 + 49152, fill);
  for (int i = 0; i < 27; ++i) b[i] = 0;
  put16(b, 23, sp);
  return b;
}
inline uint8_t& snaRam(Bytes& b, uint32_t address) { return b[27 + address - 0x4000]; }

// A .Z80 version 1 header with PC (non-zero), then `data`.
inline Bytes z80v1(uint32_t pc, const Bytes& data) {
  Bytes b(30, 0);
  put16(b, 6, pc);
  return b + data;
}

// A .Z80 version 2/3 header with an additional header of `extra` bytes (23 or 54).
inline Bytes z80v23(uint32_t pc, uint32_t extra) {
  Bytes b(32 + extra, 0);
  put16(b, 30, extra);
  put16(b, 32, pc);
  return b;
}

inline Bytes block(uint8_t page, const Bytes& data) {
  Bytes b{static_cast<uint8_t>(data.size()), static_cast<uint8_t>(data.size() >> 8), page};
  return b + data;
}

// A whole 16 KB page compressed as runs of one byte.
inline Bytes pageOf(uint8_t value) {
  Bytes b;
  for (int n = 0; n < 0x4000; n += 0x80) b.insert(b.end(), {0xED, 0xED, 0x80, value});
  return b;
}

}  // namespace tmb::test

#endif  // TAMBERLIN_FRONTEND_TESTS_SNAPSHOT_BUILDERS_H
