// A host machine for the core's tests: memory, record and call-outs as
// plain statics, with each call-out overridable per test.
#ifndef TAMBERLIN_Z80_TEST_MACHINE_H
#define TAMBERLIN_Z80_TEST_MACHINE_H

#include <cstring>
#include <functional>

#include "z80_core.h"

struct TestMachine {
  inline static Z80StateRecord state{};
  alignas(4) inline static uint8_t memory[kZ80MemorySize];
  inline static uint8_t speaker = 0;
  inline static uint8_t rMode = 0;
  inline static int lineIndex = 0;
  inline static int lineEnds = 0;
  inline static uint8_t samples[320];

  // Step mode: every line end ends the "frame" and stops the run, so a run
  // with the counter at 1 executes exactly one charged instruction.
  inline static bool stepMode = true;
  // Line mode: LineEnd adds a line; the run stops at line end number
  // stopAtLineEnd (when set) or at a frame end whose hook returns false.
  inline static int stopAtLineEnd = 0;
  inline static bool stopRequested = false;
  inline static std::function<bool()> frameEnd;  // default: stop
  inline static std::function<uint8_t(uint32_t)> portRead;

  static Z80StateRecord& State() { return state; }
  static uint8_t* Memory() { return memory; }
  static uint8_t& SpeakerLevel() { return speaker; }
  static uint8_t RRegisterMode() { return rMode; }
  static uint8_t PortRead(uint32_t port) { return portRead ? portRead(port) : 0xFF; }

  static bool LineEnd(int32_t& counter) {
    ++lineEnds;
    if (stepMode) return true;
    if (lineIndex < 320) samples[lineIndex++] = speaker;
    counter += kTStatesPerLine;
    if (stopAtLineEnd && lineEnds >= stopAtLineEnd) {
      stopRequested = true;
      return true;
    }
    return lineIndex >= 320;
  }
  static bool FrameEnd() {
    if (stepMode || stopRequested || !frameEnd) return false;
    return frameEnd();
  }
  // Line mode from the current state; returns after the next stop.
  static void RunLines(int lines) {
    stepMode = false;
    stopRequested = false;
    stopAtLineEnd = lineEnds + lines;
    Z80Run<TestMachine>();
  }
  static void Halt() {
    for (int i = lineIndex; i < 320; ++i) samples[i] = 0;
    lineIndex = 320;
  }

  // Fresh machine: zero memory and record, default call-outs.
  static void Reset() {
    std::memset(memory, 0, sizeof memory);
    Z80Reset(state);
    speaker = 0;
    rMode = 0;
    lineIndex = 0;
    lineEnds = 0;
    stepMode = true;
    stopAtLineEnd = 0;
    stopRequested = false;
    frameEnd = nullptr;
    portRead = nullptr;
  }
  static void SyncMirror() { std::memcpy(memory + 0x10000, memory, 0x100); }
  static void Load(uint32_t addr, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) memory[addr++ & 0xFFFF] = b;
    SyncMirror();
  }
};

#endif  // TAMBERLIN_Z80_TEST_MACHINE_H
