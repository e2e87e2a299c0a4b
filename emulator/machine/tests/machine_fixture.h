// A fresh host twin set up as the boot leaves it for the machine: sample
// buffers named, keys released, no key held, the game running unthrottled.
#ifndef TAMBERLIN_MACHINE_TESTS_MACHINE_FIXTURE_H
#define TAMBERLIN_MACHINE_TESTS_MACHINE_FIXTURE_H

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "boot/globals.h"
#include "boot/memory_map.h"
#include "gba/host/host_twin.h"
#include "gba/registers.h"
#include "machine/frame_loop.h"
#include "machine/screen.h"

namespace tmb::test {

// The image's front-end hook, played by the test.
inline std::function<void(uint8_t)> frontEndHandler;

inline uint8_t* z80Memory() { return gba::host::bytes(kZ80Memory, 0x10100); }
inline uint8_t* vram(uint32_t address, size_t size) { return gba::host::bytes(address, size); }
inline uint32_t tileWord(uint32_t tile, uint32_t row) {
  uint32_t v;
  std::memcpy(&v, gba::host::bytes(kGameScreenTarget + 32 * tile + 4 * row, 4), 4);
  return v;
}

class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gba::host::resetTwin();
    GlobalsBlock& g = globals();
    g.playBuffer = kSampleBuffer0;
    g.writeBuffer = kSampleBuffer1;
    for (uint8_t& row : g.keyboardRows) row = 0xFF;
    g.throttle = 0;
    gba::REG_KEYINPUT = 0x03FF;  // nothing held
    frontEndHandler = nullptr;
    ticks = 0;
    hostFrameTickSource = [] {
      ++ticks;
      gba::REG_IF = gba::IRQ_TIMER1;
      frameTickInterrupt();
    };
    hostRunOn = [] { return false; };
    loadGameScreenRenderer();
  }
  GlobalsBlock& g = globals();
  inline static int ticks = 0;
};

inline uint8_t* writeBuffer() { return gba::host::bytes(globals().writeBuffer, kSamplesPerFrame); }

}  // namespace tmb::test

#endif  // TAMBERLIN_MACHINE_TESTS_MACHINE_FIXTURE_H
