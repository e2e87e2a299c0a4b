// Host benchmark: our core beside libz80ex on the same Z80 program mix, in
// one run. Prints Z80 T-states per second of each and their ratio.
//
//   z80_host_bench PROGRAM.BIN... (each loaded at 0x8000 and run from there)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <z80ex/z80ex.h>
}

#include "z80_core.h"

namespace {

uint8_t gProgram[0x10000];
size_t gProgramSize = 0;

struct BenchMachine {
  inline static Z80StateRecord state{};
  inline static uint8_t memory[kZ80MemorySize];
  inline static uint8_t speaker = 0;
  inline static int line = 0;
  inline static long frames = 0;
  inline static long frameLimit = 0;

  static Z80StateRecord& State() { return state; }
  static uint8_t* Memory() { return memory; }
  static uint8_t& SpeakerLevel() { return speaker; }
  static uint8_t RRegisterMode() { return 0; }
  static uint8_t PortRead(uint32_t) { return 0xFF; }
  static void Halt() { line = 320; }
  static bool LineEnd(int32_t& counter) {
    counter += kTStatesPerLine;
    return ++line >= 320;
  }
  static bool FrameEnd() {
    line = 0;
    Z80AcceptInterrupt(state, memory);
    return ++frames < frameLimit;
  }
};

void LoadMemory(uint8_t* mem) {
  std::memset(mem, 0, 0x10000);
  std::memcpy(mem + 0x8000, gProgram, gProgramSize);
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Our core: whole frames of 320 x 218 T-states.
double RunOurs(long frames, long long* tstates) {
  using M = BenchMachine;
  LoadMemory(M::memory);
  std::memcpy(M::memory + 0x10000, M::memory, 0x100);
  Z80Reset(M::state);
  M::state.PC = 0x8000;
  M::state.IFF1 = M::state.IFF2 = kIffDisabled;
  M::frames = 0;
  M::frameLimit = frames;
  M::line = 0;
  const auto start = std::chrono::steady_clock::now();
  Z80Run<M>();
  const double s = Seconds(start);
  *tstates = frames * 320LL * kTStatesPerLine + (kTStatesPerLine - M::state.tStateCounter);
  return s;
}

uint8_t gRefMem[0x10000];
Z80EX_BYTE RefRead(Z80EX_CONTEXT*, Z80EX_WORD addr, int, void*) { return gRefMem[addr]; }
void RefWrite(Z80EX_CONTEXT*, Z80EX_WORD addr, Z80EX_BYTE v, void*) {
  if (addr >= 0x4000) gRefMem[addr] = v;
}
Z80EX_BYTE RefIn(Z80EX_CONTEXT*, Z80EX_WORD, void*) { return 0xFF; }
void RefOut(Z80EX_CONTEXT*, Z80EX_WORD, Z80EX_BYTE, void*) {}
Z80EX_BYTE RefIntRead(Z80EX_CONTEXT*, void*) { return 0xFF; }

double RunZ80ex(long long target, long long* tstates) {
  LoadMemory(gRefMem);
  Z80EX_CONTEXT* cpu =
      z80ex_create(RefRead, nullptr, RefWrite, nullptr, RefIn, nullptr, RefOut, nullptr, RefIntRead, nullptr);
  // The reset state of our core: every register zero.
  for (Z80_REG_T r : {regAF, regBC, regDE, regHL, regAF_, regBC_, regDE_, regHL_, regIX, regIY, regSP, regI, regR,
                      regR7, regIM, regIFF1, regIFF2})
    z80ex_set_reg(cpu, r, 0);
  z80ex_set_reg(cpu, regPC, 0x8000);
  long long done = 0;
  const auto start = std::chrono::steady_clock::now();
  while (done < target) done += z80ex_step(cpu);
  const double s = Seconds(start);
  z80ex_destroy(cpu);
  *tstates = done;
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: z80_host_bench PROGRAM.BIN...\n");
    return 2;
  }
  const long frames = 40 * 50;  // 40 s of Spectrum time per program
  for (int arg = 1; arg < argc; ++arg) {
    FILE* f = std::fopen(argv[arg], "rb");
    if (!f) {
      std::perror(argv[arg]);
      return 1;
    }
    gProgramSize = std::fread(gProgram, 1, 0x8000, f);
    std::fclose(f);

    double best[2] = {1e9, 1e9};
    long long ours = 0, ref = 0;
    for (int round = 0; round < 3; ++round) {
      const double a = RunOurs(frames, &ours);
      const double b = RunZ80ex(ours, &ref);
      if (a < best[0]) best[0] = a;
      if (b < best[1]) best[1] = b;
    }
    // Both ran the same instructions: a cheap check that the figures compare like with like.
    const bool same = ours == ref && std::memcmp(gRefMem, BenchMachine::memory, 0x10000) == 0;
    const double oursRate = ours / best[0], refRate = ref / best[1];
    std::printf("%s, %lld T-states (%.0f s of Spectrum time), best of 3:\n", argv[arg], ours, ours / 3.49e6);
    std::printf("  Tamberlin core  %8.1f million T-states/s\n", oursRate / 1e6);
    std::printf("  libz80ex        %8.1f million T-states/s\n", refRate / 1e6);
    std::printf("  ratio           %8.2f x\n", oursRate / refRate);
    std::printf("  end states %s\n", same ? "agree" : "DIFFER (the figures are not comparable)");
  }
  return 0;
}
