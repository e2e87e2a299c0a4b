#pragma once
// Byte buffers passed between the builder's layers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tmb {

using Bytes = std::vector<std::uint8_t>;

// A read-only view of bytes owned elsewhere (embedded data, a buffer).
struct ByteView {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;

  ByteView() = default;
  ByteView(const std::uint8_t* d, std::size_t n) : data(d), size(n) {}
  ByteView(const Bytes& b) : data(b.data()), size(b.size()) {}  // NOLINT: views convert freely
  static ByteView of(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
  }
  const std::uint8_t* begin() const { return data; }
  const std::uint8_t* end() const { return data + size; }
};

}  // namespace tmb
