#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "data/embedded.h"

namespace tmb {
namespace {

Bytes readFile(const char* path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

TEST(EmbeddedData, EmulatorImageIsTheEmulatorBuildsFileByteForByte) {
  const Bytes file = readFile(TMB_GBA_IMAGE);
  ASSERT_GE(file.size(), 0xC0u + 4) << TMB_GBA_IMAGE;
  const ByteView image = data::emulatorImage();
  EXPECT_EQ(Bytes(image.begin(), image.end()), file);
}

}  // namespace
}  // namespace tmb
