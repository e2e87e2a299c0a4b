// Every .Z80 form of each sample must read, with Debian's libspectrum, as the same
// machine as the sample's .SNA: same registers, same 48K of RAM.
#include <libspectrum.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct SnapDeleter {
  void operator()(libspectrum_snap* s) const { libspectrum_snap_free(s); }
};
using Snap = std::unique_ptr<libspectrum_snap, SnapDeleter>;

Snap read(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::vector<libspectrum_byte> bytes((std::istreambuf_iterator<char>(f)),
                                      std::istreambuf_iterator<char>());
  EXPECT_FALSE(bytes.empty()) << path;
  Snap s(libspectrum_snap_alloc());
  EXPECT_EQ(libspectrum_snap_read(s.get(), bytes.data(), bytes.size(), LIBSPECTRUM_ID_UNKNOWN,
                                  path.c_str()),
            LIBSPECTRUM_ERROR_NONE)
      << path;
  return s;
}

class Fixtures : public ::testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() { libspectrum_init(); }
};

TEST_P(Fixtures, EveryZ80FormMatchesTheSna) {
  const std::string base = std::string(TMB_FIXTURES_DIR) + "/" + GetParam();
  Snap sna = read(base + ".sna");
  for (const char* form : {"-v1", "-v2", "-v3", "-snapconv"}) {
    SCOPED_TRACE(form);
    Snap z80 = read(base + form + ".z80");
#define SAME(reg) EXPECT_EQ(libspectrum_snap_##reg(sna.get()), libspectrum_snap_##reg(z80.get())) << #reg
    SAME(a); SAME(f); SAME(bc); SAME(de); SAME(hl);
    SAME(a_); SAME(f_); SAME(bc_); SAME(de_); SAME(hl_);
    SAME(ix); SAME(iy); SAME(i); SAME(r); SAME(sp); SAME(pc); SAME(iff1); SAME(im);
#undef SAME
    for (int page : {5, 2, 0}) {  // 0x4000, 0x8000, 0xC000
      EXPECT_EQ(std::memcmp(libspectrum_snap_pages(sna.get(), page),
                            libspectrum_snap_pages(z80.get(), page), 0x4000),
                0)
          << "RAM page " << page;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, Fixtures, ::testing::Values("mover", "tones"));

}  // namespace
