// A fresh host twin with no button held, the key state as every port read
// leaves it, and a way to play one IN instruction.
#ifndef TAMBERLIN_INPUT_TESTS_INPUT_FIXTURE_H
#define TAMBERLIN_INPUT_TESTS_INPUT_FIXTURE_H

#include <gtest/gtest.h>

#include <initializer_list>

#include "boot/globals.h"
#include "gba/host/host_twin.h"
#include "gba/registers.h"
#include "input/button_actions.h"
#include "input/button_sampling.h"
#include "machine/ports.h"

namespace tmb::test {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gba::host::resetTwin();
    release();
    clearKeyState();
    applyControlMap();
  }

  // Buttons as KEYINPUT bits (gba::KEY_*); everything else released.
  static void hold(uint16_t buttons) { gba::REG_KEYINPUT = static_cast<uint16_t>(0x03FF & ~buttons); }
  static void release() { hold(0); }

  void clearKeyState() {
    for (uint8_t& row : g.keyboardRows) row = 0xFF;
    g.kempston = 0;
  }

  void setMap(std::initializer_list<uint8_t> codes) {
    uint32_t i = 0;
    for (uint8_t c : codes) g.controlMap[i++] = c;
    for (; i < 10; ++i) g.controlMap[i] = 0;
    applyControlMap();
  }

  // An IN from `port`: in front-end mode 0 sample, then decode and wipe the key state.
  uint8_t in(uint32_t port) {
#if defined(TMB_MACHINE_PORT_READ)
    return portRead(port);
#else
    if (g.frontEndMode == kModeRunning) sampleButtons();
    const uint8_t v = decodePort(port, g.keyboardRows, g.kempston);
    clearKeyState();
    return v;
#endif
  }

  GlobalsBlock& g = globals();
};

}  // namespace tmb::test

#endif  // TAMBERLIN_INPUT_TESTS_INPUT_FIXTURE_H
