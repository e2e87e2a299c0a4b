// The two GBA images of the core's benchmarks and checks, on the image's
// own start-up code and link: the benchmark runs the program mix for ever
// and counts lines; the vector image runs the instruction vectors that the
// host build also runs, for a test to compare. Results at fixed EWRAM
// addresses above the Z80 address space (z80_gba_results.h).
#include "z80_core.h"
#include "z80_gba.h"
#include "z80_gba_results.h"
#include "z80_vectors.h"

namespace {

volatile uint32_t& Word(uint32_t address) { return *reinterpret_cast<volatile uint32_t*>(address); }

extern "C" const char __iwram_load[], __iwram_start[], __iwram_end[];
extern "C" const char __ewram_load[], __ewram_start[], __ewram_end[];

void CopyWords(const char* from, const char* to, const char* end) {
  const uint32_t* src = reinterpret_cast<const uint32_t*>(from);
  for (uint32_t* dst = reinterpret_cast<uint32_t*>(const_cast<char*>(to)); dst < reinterpret_cast<const uint32_t*>(end);)
    *dst++ = *src++;
}

#ifdef Z80_GBA_VECTORS

struct VectorMachine : Z80GbaAddresses {
  static bool LineEnd(int32_t&) { return true; }  // one instruction per run
  static bool FrameEnd() { return false; }
  static uint8_t PortRead(uint32_t port) { return z80vectors::PortValue(port); }
  static void Halt() {}
};

}  // namespace

Z80_DEFINE_CORE(VectorCore, VectorMachine)

extern "C" [[noreturn]] void tmbBoot() {
  CopyWords(__iwram_load, __iwram_start, __iwram_end);
  CopyWords(__ewram_load, __ewram_start, __ewram_end);
  z80vectors::RunAll(Z80GbaAddresses::State(), Z80GbaAddresses::Memory(),
                     *reinterpret_cast<uint8_t*>(Z80GbaAddresses::kSpeakerLevel),
                     *reinterpret_cast<uint8_t*>(Z80GbaAddresses::kRRegisterMode),
                     reinterpret_cast<uint32_t*>(z80gba::kHashes), z80gba::kVectorStates, [] { VectorCore(); });
  Word(z80gba::kReady) = z80gba::kReadyMagic;
  for (;;) {
  }
}

#else

extern "C" const uint8_t Z80MixProgram[], Z80MixProgramEnd[], Z80RegistersProgram[], Z80RegistersProgramEnd[];

// Shaped like the real line end: one sample per line, a frame every 320.
struct BenchMachine : Z80GbaAddresses {
  static bool LineEnd(int32_t& counter) {
    const uint32_t line = Word(z80gba::kLine);
    counter += kTStatesPerLine;
    reinterpret_cast<uint8_t*>(0x02012300)[line] = SpeakerLevel();
    Word(z80gba::kLine) = line + 1;
    return line + 1 >= 320;
  }
  static bool FrameEnd() {
    Word(z80gba::kLine) = 0;
    Z80AcceptInterrupt(State(), Memory());
    Word(z80gba::kFrames) = Word(z80gba::kFrames) + 1;
    return true;
  }
  static uint8_t PortRead(uint32_t) { return 0xFF; }
  static void Halt() { Word(z80gba::kLine) = 320; }
};

}  // namespace

Z80_DEFINE_CORE(BenchCore, BenchMachine)

extern "C" [[noreturn]] void tmbBoot() {
  CopyWords(__iwram_load, __iwram_start, __iwram_end);
  CopyWords(__ewram_load, __ewram_start, __ewram_end);
  uint8_t* mem = Z80GbaAddresses::Memory();
  for (uint32_t i = 0; i < 0x10100; ++i) mem[i] = 0;
  const bool registers = Word(z80gba::kProgram) == 1;  // poked by the host before the start
  const uint8_t* from = registers ? Z80RegistersProgram : Z80MixProgram;
  const uint8_t* end = registers ? Z80RegistersProgramEnd : Z80MixProgramEnd;
  for (const uint8_t* p = from; p != end; ++p) mem[0x8000 + (p - from)] = *p;
  Z80StateRecord& s = Z80GbaAddresses::State();
  Z80Reset(s);
  s.PC = 0x8000;
  s.IFF1 = s.IFF2 = kIffDisabled;
  Word(z80gba::kFrames) = 0;
  Word(z80gba::kLine) = 0;
  Word(z80gba::kReady) = z80gba::kReadyMagic;
  BenchCore();
  for (;;) {
  }
}

#endif
