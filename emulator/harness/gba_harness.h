// A headless GBA for tests: runs a cartridge image in mGBA and lets the test
// preset SRAM and memory, hold buttons, run frames and read back everything
// the program did (memory, registers, screen, sound, emulated cycles).
#ifndef TAMBERLIN_HARNESS_GBA_HARNESS_H
#define TAMBERLIN_HARNESS_GBA_HARNESS_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tmb::harness {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 160;
constexpr uint32_t kCyclesPerFrame = 280896;  // one GBA video frame
constexpr uint32_t kAudioRate = 32768;        // stereo samples per second captured

// Button bits, in KEYINPUT order; a set bit is a held button.
enum Key : uint16_t {
  kKeyA = 1 << 0,
  kKeyB = 1 << 1,
  kKeySelect = 1 << 2,
  kKeyStart = 1 << 3,
  kKeyRight = 1 << 4,
  kKeyLeft = 1 << 5,
  kKeyUp = 1 << 6,
  kKeyDown = 1 << 7,
  kKeyR = 1 << 8,
  kKeyL = 1 << 9,
};

class Gba {
 public:
  Gba();
  ~Gba();
  Gba(const Gba&) = delete;
  Gba& operator=(const Gba&) = delete;

  // Before start(): the cartridge, its SRAM (missing bytes read 0xFF, as a new
  // cartridge) and memory written after reset and before the first instruction.
  bool loadImageFile(const std::string& path, std::string* error);
  void loadImage(std::vector<uint8_t> image);
  void presetSram(std::vector<uint8_t> sram);
  void pokeBeforeStart(uint32_t address, std::vector<uint8_t> bytes);
  bool start(std::string* error);

  void setKeys(uint16_t keys);
  void runFrames(int frames);
  // Runs whole frames until done() holds; false when maxFrames passed first.
  bool runUntil(const std::function<bool(Gba&)>& done, int maxFrames);

  uint8_t read8(uint32_t address) const;
  uint16_t read16(uint32_t address) const;
  uint32_t read32(uint32_t address) const;
  std::vector<uint8_t> read(uint32_t address, size_t size) const;
  void write(uint32_t address, const std::vector<uint8_t>& bytes);
  // The value last written to an I/O register (also the write-only ones).
  uint16_t ioRegister(uint32_t address) const;
  uint16_t timerReload(int timer) const;
  uint32_t pc() const;

  std::vector<uint8_t> sram() const;
  // 240 x 160 pixels as 0x00RRGGBB, row by row.
  std::vector<uint32_t> screen() const;
  bool writePng(const std::string& path, std::string* error) const;
  // Interleaved left/right samples since start() (or the last clearAudio()).
  const std::vector<int16_t>& audio() const;
  void clearAudio();
  uint64_t cycles() const;
  // Messages the program and the emulator logged ("category: text").
  const std::vector<std::string>& log() const;

 private:
  struct State;
  std::unique_ptr<State> s_;
};

}  // namespace tmb::harness

#endif  // TAMBERLIN_HARNESS_GBA_HARNESS_H
