// tmb-harness: runs a cartridge image headless in mGBA and reports what it did.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gba_harness.h"
#include "wav_writer.h"

namespace {

using tmb::harness::Gba;

[[noreturn]] void usage() {
  std::fprintf(stderr,
               "usage: tmb-harness IMAGE [options]\n"
               "  --sram FILE           SRAM contents before the start (default: all 0xFF)\n"
               "  --poke ADDR=HEX       write bytes (e.g. 0x0203FC00=BEBAB0FA) before the start\n"
               "  --keys LIST           hold buttons: A,B,SELECT,START,RIGHT,LEFT,UP,DOWN,R,L\n"
               "  --frames N            run N frames (default 60)\n"
               "  --until ADDR=VALUE    run until the byte at ADDR equals VALUE (at most --frames)\n"
               "  --dump ADDR:LEN       print memory as hex after the run (repeatable)\n"
               "  --save-sram FILE      write the SRAM after the run\n"
               "  --png FILE            write the screen after the run\n"
               "  --wav FILE            write the sound of the run (32,768 Hz stereo)\n");
  std::exit(2);
}

uint32_t number(const std::string& text) {
  char* end = nullptr;
  unsigned long v = std::strtoul(text.c_str(), &end, 0);
  if (text.empty() || *end != '\0') {
    std::fprintf(stderr, "tmb-harness: not a number: %s\n", text.c_str());
    std::exit(2);
  }
  return static_cast<uint32_t>(v);
}

std::vector<uint8_t> hexBytes(const std::string& hex) {
  if (hex.size() % 2 != 0) usage();
  std::vector<uint8_t> out;
  for (size_t i = 0; i < hex.size(); i += 2) out.push_back(static_cast<uint8_t>(number("0x" + hex.substr(i, 2))));
  return out;
}

uint16_t keyMask(const std::string& list) {
  static const char* names[] = {"A", "B", "SELECT", "START", "RIGHT", "LEFT", "UP", "DOWN", "R", "L"};
  uint16_t mask = 0;
  size_t from = 0;
  while (from <= list.size()) {
    size_t comma = list.find(',', from);
    std::string name = list.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    bool found = false;
    for (int i = 0; i < 10; ++i) {
      if (name == names[i]) {
        mask = static_cast<uint16_t>(mask | 1 << i);
        found = true;
      }
    }
    if (!found) {
      std::fprintf(stderr, "tmb-harness: unknown button %s\n", name.c_str());
      std::exit(2);
    }
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  return mask;
}

bool readFile(const std::string& path, std::vector<uint8_t>* out) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  out->assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') usage();
  Gba gba;
  std::string error;
  if (!gba.loadImageFile(argv[1], &error)) {
    std::fprintf(stderr, "tmb-harness: %s\n", error.c_str());
    return 1;
  }
  int frames = 60;
  bool until = false;
  uint32_t untilAddress = 0, untilValue = 0;
  uint16_t keys = 0;
  std::vector<std::pair<uint32_t, uint32_t>> dumps;
  std::string sramOut, pngOut, wavOut;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) usage();
      return argv[++i];
    };
    if (a == "--sram") {
      std::string path = value();
      std::vector<uint8_t> sram;
      if (!readFile(path, &sram)) {
        std::fprintf(stderr, "tmb-harness: cannot read %s\n", path.c_str());
        return 1;
      }
      gba.presetSram(sram);
    } else if (a == "--poke" || a == "--until" || a == "--dump") {
      std::string v = value();
      size_t sep = v.find(a == "--dump" ? ':' : '=');
      if (sep == std::string::npos) usage();
      uint32_t address = number(v.substr(0, sep));
      if (a == "--poke") {
        gba.pokeBeforeStart(address, hexBytes(v.substr(sep + 1)));
      } else if (a == "--until") {
        until = true;
        untilAddress = address;
        untilValue = number(v.substr(sep + 1));
      } else {
        dumps.emplace_back(address, number(v.substr(sep + 1)));
      }
    } else if (a == "--keys") {
      keys = keyMask(value());
    } else if (a == "--frames") {
      frames = static_cast<int>(number(value()));
    } else if (a == "--save-sram") {
      sramOut = value();
    } else if (a == "--png") {
      pngOut = value();
    } else if (a == "--wav") {
      wavOut = value();
    } else {
      usage();
    }
  }

  if (!gba.start(&error)) {
    std::fprintf(stderr, "tmb-harness: %s: %s\n", argv[1], error.c_str());
    return 1;
  }
  gba.setKeys(keys);
  int ran = 0;
  bool reached = true;
  if (until) {
    reached = gba.runUntil(
        [&](Gba& g) {
          if (g.read8(untilAddress) == untilValue) return true;
          ++ran;
          return false;
        },
        frames);
    if (ran > frames) ran = frames;
  } else {
    gba.runFrames(frames);
    ran = frames;
  }
  std::printf("frames %d, cycles %llu, pc 0x%08X\n", ran, static_cast<unsigned long long>(gba.cycles()), gba.pc());
  for (const std::string& line : gba.log()) std::printf("log: %s\n", line.c_str());
  for (const auto& d : dumps) {
    std::vector<uint8_t> bytes = gba.read(d.first, d.second);
    for (size_t i = 0; i < bytes.size(); i += 16) {
      std::printf("%08X:", static_cast<unsigned>(d.first + i));
      for (size_t j = i; j < i + 16 && j < bytes.size(); ++j) std::printf(" %02X", bytes[j]);
      std::printf("\n");
    }
  }
  int status = 0;
  if (!sramOut.empty()) {
    std::vector<uint8_t> sram = gba.sram();
    std::ofstream o(sramOut, std::ios::binary);
    o.write(reinterpret_cast<const char*>(sram.data()), static_cast<std::streamsize>(sram.size()));
    if (!o) {
      std::fprintf(stderr, "tmb-harness: cannot write %s\n", sramOut.c_str());
      status = 1;
    }
  }
  if (!pngOut.empty() && !gba.writePng(pngOut, &error)) {
    std::fprintf(stderr, "tmb-harness: %s\n", error.c_str());
    status = 1;
  }
  if (!wavOut.empty() && !tmb::harness::writeWav(wavOut, gba.audio(), tmb::harness::kAudioRate, &error)) {
    std::fprintf(stderr, "tmb-harness: %s\n", error.c_str());
    status = 1;
  }
  if (!reached) {
    std::fprintf(stderr, "tmb-harness: byte at 0x%08X never became 0x%02X in %d frames\n", untilAddress, untilValue,
                 frames);
    status = 3;
  }
  return status;
}
