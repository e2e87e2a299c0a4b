// mksna: wraps a raw Z80 binary into a 48K .SNA snapshot (27-byte header + 49,152 bytes of RAM).
// The .SNA format has no PC field: the start address is pushed onto the snapshot's stack, so a
// RETN from the loader (or our own loader's pop) starts the program.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr unsigned kRamStart = 0x4000;
constexpr unsigned kRamSize = 0xC000;

[[noreturn]] void usage() {
  std::fprintf(stderr,
               "usage: mksna [--org ADDR] [--pc ADDR] [--sp ADDR] [--im N] [--di] [--border N]\n"
               "             -o OUT.sna IN.bin\n"
               "  --org  load address of IN.bin (default 0x8000)\n"
               "  --pc   start address (default: --org)\n"
               "  --sp   stack pointer before the start address is pushed (default 0xFF00)\n"
               "  --im   interrupt mode 0-2 (default 1); --di starts with interrupts off\n");
  std::exit(2);
}

unsigned number(const char* text) {
  char* end = nullptr;
  unsigned long v = std::strtoul(text, &end, 0);
  if (end == text || *end != '\0' || v > 0xFFFF) usage();
  return static_cast<unsigned>(v);
}

}  // namespace

int main(int argc, char** argv) {
  unsigned org = 0x8000, pc = 0x10000, sp = 0xFF00, im = 1, border = 7;
  bool ei = true;
  const char* out = nullptr;
  const char* in = nullptr;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> const char* {
      if (i + 1 >= argc) usage();
      return argv[++i];
    };
    if (a == "--org") org = number(value());
    else if (a == "--pc") pc = number(value());
    else if (a == "--sp") sp = number(value());
    else if (a == "--im") im = number(value());
    else if (a == "--border") border = number(value());
    else if (a == "--di") ei = false;
    else if (a == "-o") out = value();
    else if (!a.empty() && a[0] == '-') usage();
    else if (!in) in = argv[i];
    else usage();
  }
  if (!out || !in || im > 2 || org < kRamStart) usage();
  if (pc == 0x10000) pc = org;

  std::ifstream f(in, std::ios::binary);
  if (!f) {
    std::fprintf(stderr, "mksna: cannot read %s\n", in);
    return 1;
  }
  std::vector<uint8_t> code((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (org + code.size() > 0x10000) {
    std::fprintf(stderr, "mksna: %s (%zu bytes) does not fit at 0x%04X\n", in, code.size(), org);
    return 1;
  }

  std::vector<uint8_t> ram(kRamSize, 0);
  std::memcpy(&ram[org - kRamStart], code.data(), code.size());
  sp = (sp - 2) & 0xFFFF;
  if (sp < kRamStart || sp + 1 >= 0x10000) {
    std::fprintf(stderr, "mksna: stack pointer 0x%04X is not in RAM\n", sp);
    return 1;
  }
  ram[sp - kRamStart] = pc & 0xFF;
  ram[sp + 1 - kRamStart] = pc >> 8;

  uint8_t h[27] = {};
  h[0] = 0x3F;                       // I: the ROM's usual value
  h[15] = 0x3A; h[16] = 0x5C;        // IY = 0x5C3A, what ROM interrupt code expects
  h[19] = ei ? 0x04 : 0x00;          // bit 2 = IFF2
  h[23] = sp & 0xFF; h[24] = sp >> 8;
  h[25] = static_cast<uint8_t>(im);
  h[26] = static_cast<uint8_t>(border & 7);

  std::ofstream o(out, std::ios::binary);
  o.write(reinterpret_cast<const char*>(h), sizeof h);
  o.write(reinterpret_cast<const char*>(ram.data()), static_cast<std::streamsize>(ram.size()));
  if (!o) {
    std::fprintf(stderr, "mksna: cannot write %s\n", out);
    return 1;
  }
  return 0;
}
