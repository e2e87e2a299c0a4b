// The frame loop: the Z80's time cut into 320 lines of 218 T-states, one
// beeper sample per line, and at each frame end the interrupt, the screen,
// the pace and the front end.
#ifndef TAMBERLIN_MACHINE_FRAME_LOOP_H
#define TAMBERLIN_MACHINE_FRAME_LOOP_H

#include <stdint.h>

#include "boot/globals.h"
#include "boot/memory_map.h"
#include "gba/attributes.h"
#include "machine/sound.h"
#include "z80/z80_state.h"

namespace tmb {

constexpr uint32_t kLinesPerFrame = kSamplesPerFrame;

// The LineEndRoutine's usual path, inlined into the core: record the line's
// sample (unless HALT has already ended the frame), add a line to the
// counter, and say whether the frame is over.
inline bool lineEnd(int32_t& counter) {
  GlobalsBlock& g = globals();
  counter += kTStatesPerLine;
  uint32_t line = g.samplePosition;
  if (line >= kLinesPerFrame) return true;
  writeSampleBuffer()[line] = g.speakerLevel;
  ++line;
  g.samplePosition = static_cast<uint16_t>(line);
  return line >= kLinesPerFrame;
}

// The frame end, with the core's registers parked in the Z80StateRecord:
// accepts the interrupt and runs steps 5 to 10. Returns to the core.
bool frameEnd();

// From step 5 on: screen, virtual keyboard, pace, Select + Start, front end.
// The menu's paused loop also runs here.
void frameEndWork();

// Step 7's busy wait for the timer's FrameTick.
void waitForFrameTick();

#if defined(TMB_HOST)
// The host has no timer: a wait for a tick that has not come calls this
// instead (by default the tick interrupt itself, as if it fired just then).
extern void (*hostFrameTickSource)();
// Whether the core goes on after a frame end (the GBA always does); by
// default a host run stops after one frame.
extern bool (*hostRunOn)();
#endif

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_FRAME_LOOP_H
