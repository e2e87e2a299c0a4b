// Random, truncated and damaged snapshots for both loaders: whatever the
// bytes, nothing outside Z80 RAM and the loader's registers changes (the ROM
// copy, the GuardMirror and the rest of EWRAM and IWRAM keep their pattern).
#include <random>

#include "frontend/snapshot_loaders.h"
#include "frontend_fixture.h"
#include "snapshot_builders.h"

namespace tmb::test {
namespace {

using LoaderFuzz = FrontendTest;

// Real files cut short or with bytes flipped, through both loaders.
TEST_F(LoaderFuzz, DamagedSampleFiles) {
  std::mt19937 rng(11);
  for (const char* name : {"mover.sna", "mover-v1.z80", "mover-v2.z80", "mover-v3.z80", "tones-snapconv.z80"}) {
    SCOPED_TRACE(name);
    const Bytes file = readFile(std::string(TMB_FIXTURES_DIR) + "/" + name);
    ASSERT_FALSE(file.empty());
    for (int trial = 0; trial < 12; ++trial) {
      Bytes f(file.begin(), file.begin() + rng() % file.size());  // truncated
      if (trial % 2) {
        for (int flips = 0; flips < 20 && !f.empty(); ++flips) f[rng() % f.size()] = static_cast<uint8_t>(rng());
      }
      gba::host::regions().rom.resize(kImageSize);
      const uint32_t at = place(f, rng());
      loadSna(at);
      loadZ80(at);
    }
  }
  expectOnlyLoaderStateChanged();
}

// Headers chosen to steer the .Z80 loader into its v2/v3 path with random
// block lengths and pages, and plain random bytes.
TEST_F(LoaderFuzz, RandomBytes) {
  std::mt19937 rng(23);
  for (int trial = 0; trial < 300; ++trial) {
    Bytes f(rng() % 400);
    for (uint8_t& b : f) b = static_cast<uint8_t>(rng() % 4 == 0 ? 0xED : rng());
    if (trial % 3 == 0 && f.size() > 8) f[6] = f[7] = 0;  // version 2/3
    if (trial % 5 == 0 && f.size() > 40) f[35] = f[36] = 0xFF;  // a raw block somewhere
    gba::host::regions().rom.resize(kImageSize);
    const uint32_t at = place(f, rng());
    loadZ80(at);
    if (trial % 10 == 0) loadSna(at);
  }
  expectOnlyLoaderStateChanged();
}

}  // namespace
}  // namespace tmb::test
