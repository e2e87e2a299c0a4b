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

namespace {

// One program of the benchmark image for `frames` GBA frames; false on failure.
bool Measure(const char* image, uint32_t program, const char* name, int frames) {
  tmb::harness::Gba gba;
  std::string error;
  if (!gba.loadImageFile(image, &error)) {
    std::fprintf(stderr, "%s: %s\n", image, error.c_str());
    return false;
  }
  gba.pokeBeforeStart(z80gba::kProgram, {uint8_t(program), 0, 0, 0});
  if (!gba.start(&error)) {
    std::fprintf(stderr, "%s: %s\n", image, error.c_str());
    return false;
  }
  if (!gba.runUntil([](tmb::harness::Gba& g) { return g.read32(z80gba::kReady) == z80gba::kReadyMagic; }, 600)) {
    std::fprintf(stderr, "%s: the benchmark did not start\n", image);
    return false;
  }
  auto lines = [&] { return uint64_t(gba.read32(z80gba::kFrames)) * 320 + gba.read32(z80gba::kLine); };
  const uint64_t c0 = gba.cycles(), l0 = lines();
  gba.runFrames(frames);
  const uint64_t c1 = gba.cycles(), l1 = lines();
  const double tstates = double(l1 - l0) * kTStatesPerLine;
  const double seconds = double(c1 - c0) / 16777216.0;
  std::printf("  %-28s %6.3f million T-states/s  (%.2f ARM cycles per T-state, %.0f T in %.2f s)\n", name,
              tstates / seconds / 1e6, double(c1 - c0) / tstates, tstates, seconds);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: z80_gba_bench z80_bench.gba [GBA-FRAMES]\n");
    return 2;
  }
  const int frames = argc > 2 ? std::atoi(argv[2]) : 600;
  std::printf("GBA in mGBA, emulated cycles, screen drawing off (a real Spectrum: 3.49 million T-states/s):\n");
  if (!Measure(argv[1], 0, "game code mix", frames)) return 1;
  if (!Measure(argv[1], 1, "register arithmetic loop", frames)) return 1;
  return 0;
}
