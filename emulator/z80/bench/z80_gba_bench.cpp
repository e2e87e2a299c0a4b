// GBA benchmark: the core's benchmark image in the mGBA harness. Counts
// emulated GBA cycles and the Z80 lines the core finished, and prints Z80
// T-states per emulated second (a real Spectrum: 3.49 million).
//
//   z80_gba_bench z80_bench.gba [GBA-FRAMES]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gba_harness.h"
#include "z80_gba_results.h"
#include "z80_state.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: z80_gba_bench z80_bench.gba [GBA-FRAMES]\n");
    return 2;
  }
  const int frames = argc > 2 ? std::atoi(argv[2]) : 600;
  tmb::harness::Gba gba;
  std::string error;
  if (!gba.loadImageFile(argv[1], &error) || !gba.start(&error)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
    return 1;
  }
  if (!gba.runUntil([](tmb::harness::Gba& g) { return g.read32(z80gba::kReady) == z80gba::kReadyMagic; }, 600)) {
    std::fprintf(stderr, "%s: the benchmark did not start\n", argv[1]);
    return 1;
  }
  auto lines = [&] { return uint64_t(gba.read32(z80gba::kFrames)) * 320 + gba.read32(z80gba::kLine); };
  const uint64_t c0 = gba.cycles(), l0 = lines();
  gba.runFrames(frames);
  const uint64_t c1 = gba.cycles(), l1 = lines();
  const double tstates = double(l1 - l0) * kTStatesPerLine;
  const double seconds = double(c1 - c0) / 16777216.0;
  std::printf("GBA (mGBA, emulated cycles), Z80 program mix, screen drawing off:\n");
  std::printf("  %.0f T-states in %.2f emulated seconds\n", tstates, seconds);
  std::printf("  %.3f million T-states per second (real Spectrum 3.49), %.2f ARM cycles per T-state\n",
              tstates / seconds / 1e6, double(c1 - c0) / tstates);
  return 0;
}
