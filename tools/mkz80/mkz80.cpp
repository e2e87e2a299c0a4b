// mkz80: converts a 48K .SNA snapshot into a .Z80 snapshot of version 1, 2 or 3.
// Version 1 is one compressed stream with its end mark; versions 2 and 3 write the
// three 16K pages as separate compressed blocks in the order given by --order, so
// readers that assume page order are caught out.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

[[noreturn]] void usage() {
  std::fprintf(stderr,
               "usage: mkz80 [--version 1|2|3] [--order P,P,P] IN.sna OUT.z80\n"
               "  --order  page order of the blocks for versions 2 and 3 (default 5,8,4);\n"
               "           pages: 8 = 0x4000, 4 = 0x8000, 5 = 0xC000\n");
  std::exit(2);
}

// ED ED n b runs; a lone ED keeps the byte after it out of any run.
Bytes compress(const uint8_t* data, size_t size) {
  Bytes out;
  for (size_t i = 0; i < size;) {
    uint8_t b = data[i];
    size_t run = 1;
    while (i + run < size && data[i + run] == b && run < 255) ++run;
    if (run >= 5 || (b == 0xED && run >= 2)) {
      out.insert(out.end(), {0xED, 0xED, static_cast<uint8_t>(run), b});
      i += run;
    } else if (b == 0xED) {
      out.push_back(0xED);
      if (i + 1 < size) out.push_back(data[i + 1]);
      i += 2;
    } else {
      out.push_back(b);
      ++i;
    }
  }
  return out;
}

void put16(Bytes& b, size_t at, unsigned v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}

unsigned get16(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8; }

unsigned pageAddress(int page) {
  switch (page) {
    case 8: return 0x4000;
    case 4: return 0x8000;
    case 5: return 0xC000;
  }
  usage();
}

}  // namespace

int main(int argc, char** argv) {
  int version = 1;
  int order[3] = {5, 8, 4};
  const char* paths[2] = {nullptr, nullptr};
  int n = 0;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--version" && i + 1 < argc) {
      version = std::atoi(argv[++i]);
    } else if (a == "--order" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%d,%d,%d", &order[0], &order[1], &order[2]) != 3) usage();
      for (int p : order) pageAddress(p);
    } else if (!a.empty() && a[0] == '-') {
      usage();
    } else if (n < 2) {
      paths[n++] = argv[i];
    } else {
      usage();
    }
  }
  if (n != 2 || version < 1 || version > 3) usage();

  std::ifstream f(paths[0], std::ios::binary);
  Bytes sna((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (!f.eof() && !f) {
    std::fprintf(stderr, "mkz80: cannot read %s\n", paths[0]);
    return 1;
  }
  if (sna.size() != 27 + 0xC000) {
    std::fprintf(stderr, "mkz80: %s is not a 48K .SNA (%zu bytes, expected 49179)\n", paths[0],
                 sna.size());
    return 1;
  }
  Bytes ram(sna.begin() + 27, sna.end());  // Z80 0x4000..0xFFFF
  auto at = [&](unsigned addr) -> uint8_t& { return ram[(addr & 0xFFFF) - 0x4000]; };

  // The .SNA keeps PC on the stack: pop it as the Z80 would.
  unsigned sp = get16(sna, 23);
  if (sp < 0x4000 || sp > 0xFFFE) {
    std::fprintf(stderr, "mkz80: %s: stack pointer 0x%04X does not hold PC in RAM\n", paths[0], sp);
    return 1;
  }
  unsigned pc = at(sp) | at(sp + 1) << 8;
  sp += 2;

  Bytes z(30, 0);
  z[0] = sna[22];                      // A
  z[1] = sna[21];                      // F
  put16(z, 2, get16(sna, 13));         // BC
  put16(z, 4, get16(sna, 9));          // HL
  put16(z, 6, version == 1 ? pc : 0);  // PC, 0 announces the extra header
  put16(z, 8, sp);
  z[10] = sna[0];                      // I
  z[11] = sna[20] & 0x7F;              // R
  z[12] = static_cast<uint8_t>((sna[20] >> 7) | (sna[26] & 7) << 1 | (version == 1 ? 0x20 : 0));
  put16(z, 13, get16(sna, 11));        // DE
  put16(z, 15, get16(sna, 5));         // BC'
  put16(z, 17, get16(sna, 3));         // DE'
  put16(z, 19, get16(sna, 1));         // HL'
  z[21] = sna[8];                      // A'
  z[22] = sna[7];                      // F'
  put16(z, 23, get16(sna, 15));        // IY
  put16(z, 25, get16(sna, 17));        // IX
  z[27] = z[28] = (sna[19] & 0x04) ? 1 : 0;
  z[29] = sna[25] & 3;

  if (version == 1) {
    Bytes data = compress(ram.data(), ram.size());
    z.insert(z.end(), data.begin(), data.end());
    z.insert(z.end(), {0x00, 0xED, 0xED, 0x00});
  } else {
    unsigned extra = version == 2 ? 23 : 54;
    Bytes h(2 + extra, 0);
    put16(h, 0, extra);
    put16(h, 2, pc);
    h[4] = 0;                          // hardware mode: 48K
    z.insert(z.end(), h.begin(), h.end());
    for (int page : order) {
      Bytes data = compress(&ram[pageAddress(page) - 0x4000], 0x4000);
      Bytes head(3);
      put16(head, 0, static_cast<unsigned>(data.size()));
      head[2] = static_cast<uint8_t>(page);
      z.insert(z.end(), head.begin(), head.end());
      z.insert(z.end(), data.begin(), data.end());
    }
  }

  std::ofstream o(paths[1], std::ios::binary | std::ios::trunc);
  o.write(reinterpret_cast<const char*>(z.data()), static_cast<std::streamsize>(z.size()));
  if (!o) {
    std::fprintf(stderr, "mkz80: cannot write %s\n", paths[1]);
    return 1;
  }
  return 0;
}
