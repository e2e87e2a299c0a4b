// Our loaders against Debian's libspectrum on the sample games in every
// snapshot form: the same registers (F through the PackedFlags mapping) and
// the same 48K of RAM.
#include <libspectrum.h>

#include <memory>

#include "frontend/snapshot_loaders.h"
#include "frontend_fixture.h"
#include "snapshot_builders.h"

namespace tmb::test {
namespace {

struct SnapDeleter {
  void operator()(libspectrum_snap* s) const { libspectrum_snap_free(s); }
};
using Snap = std::unique_ptr<libspectrum_snap, SnapDeleter>;

struct Form {
  const char* suffix;
  uint8_t type;
};

class AgainstLibspectrum : public FrontendTest,
                           public ::testing::WithParamInterface<std::tuple<const char*, Form>> {
 protected:
  static void SetUpTestSuite() { libspectrum_init(); }
};

TEST_P(AgainstLibspectrum, SameRegistersAndRam) {
  const std::string path = std::string(TMB_FIXTURES_DIR) + "/" + std::get<0>(GetParam()) + std::get<1>(GetParam()).suffix;
  const Bytes file = readFile(path);
  ASSERT_FALSE(file.empty()) << path;
  Snap ref(libspectrum_snap_alloc());
  ASSERT_EQ(libspectrum_snap_read(ref.get(), file.data(), file.size(), LIBSPECTRUM_ID_UNKNOWN, path.c_str()),
            LIBSPECTRUM_ERROR_NONE);
  libspectrum_snap* s = ref.get();

  const bool isSna = std::get<1>(GetParam()).type == 0;
  runSnapshotLoader(std::get<1>(GetParam()).type, place(file));

  EXPECT_EQ(z.A >> 24, libspectrum_snap_a(s));
  EXPECT_EQ(z.F, Z80Tables.FlagsToPackedTable[libspectrum_snap_f(s)]);
  EXPECT_EQ(z.BC >> 16, libspectrum_snap_bc(s));
  EXPECT_EQ(z.DE >> 16, libspectrum_snap_de(s));
  EXPECT_EQ(z.HL >> 16, libspectrum_snap_hl(s));
  EXPECT_EQ(z.AF_ >> 24, libspectrum_snap_a_(s));
  EXPECT_EQ(z.AF_ & 0xFF, libspectrum_snap_f_(s));
  EXPECT_EQ(z.BC_ >> 16, libspectrum_snap_bc_(s));
  EXPECT_EQ(z.DE_ >> 16, libspectrum_snap_de_(s));
  EXPECT_EQ(z.HL_ >> 16, libspectrum_snap_hl_(s));
  EXPECT_EQ(z.IX >> 16, libspectrum_snap_ix(s));
  EXPECT_EQ(z.IY >> 16, libspectrum_snap_iy(s));
  EXPECT_EQ(z.I >> 24, libspectrum_snap_i(s));
  // A .Z80 keeps R's bit 7 in byte 12, which we do not merge in.
  EXPECT_EQ(z.R & (isSna ? 0xFF : 0x7F), libspectrum_snap_r(s) & (isSna ? 0xFF : 0x7F));
  EXPECT_EQ(z.SP, libspectrum_snap_sp(s));
  EXPECT_EQ(z.PC, libspectrum_snap_pc(s));
  EXPECT_EQ(z.IFF1, libspectrum_snap_iff1(s) ? kIffEnabled : kIffDisabled);
  EXPECT_EQ(z.IFF2, z.IFF1);
  EXPECT_EQ(z.IM, libspectrum_snap_im(s));
  const struct {
    int page;
    uint32_t address;
  } banks[] = {{5, 0x4000}, {2, 0x8000}, {0, 0xC000}};
  for (const auto& b : banks) {
    const libspectrum_byte* ram = libspectrum_snap_pages(s, b.page);
    ASSERT_NE(ram, nullptr);
    uint32_t differ = 0;
    for (uint32_t i = 0; i < 0x4000; ++i) differ += z80Byte(b.address + i) != ram[i];
    EXPECT_EQ(differ, 0u) << "bytes differ from 0x" << std::hex << b.address;
  }
  expectOnlyLoaderStateChanged();
}

INSTANTIATE_TEST_SUITE_P(
    Samples, AgainstLibspectrum,
    ::testing::Combine(::testing::Values("mover", "tones"),
                       ::testing::Values(Form{".sna", 0}, Form{"-v1.z80", 1}, Form{"-v2.z80", 1},
                                         Form{"-v3.z80", 1}, Form{"-snapconv.z80", 1})),
    [](const auto& info) {
      std::string n = std::string(std::get<0>(info.param)) + std::get<1>(info.param).suffix;
      for (char& c : n)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return n;
    });

}  // namespace
}  // namespace tmb::test
