// The Z80 core: public interface.
//
// The core is one function that holds the hot registers (A, F, BC, DE, HL,
// SP, PC, TStateCounter) in processor registers for the whole run: locals on
// the host, r4..r11 on the GBA. It is a template over the machine so that
// the machine's call-outs are bound at compile time and its line-end fast
// path is inlined into the dispatch loop.
//
// A Machine provides these static members:
//
//   Z80StateRecord& State();        the record (the globals block on the GBA)
//   uint8_t* Memory();              65,536 bytes of Z80 address space followed
//                                   by the 256-byte GuardMirror (a copy of
//                                   0x0000..0x00FF)
//   bool LineEnd(int32_t& counter); called whenever the counter is <= 0 after
//                                   an instruction was charged: add a line
//                                   (218) and record the line's sample; return
//                                   true when the frame has ended
//   bool FrameEnd();                called after LineEnd returned true, with
//                                   every hot register parked in State() at
//                                   0x24..0x4F (PC and SP as plain 16-bit
//                                   values, the counter already refilled;
//                                   the three machine words are written but
//                                   never read back). It may accept the interrupt
//                                   (Z80AcceptInterrupt), run the front end,
//                                   load a snapshot or a saved state: the core
//                                   reloads all hot registers from State()
//                                   when it returns. Return false to leave
//                                   Z80Run (tests and host tools); the GBA
//                                   never does.
//   uint8_t PortRead(uint32_t port);  every IN; port is the 16-bit address
//   void Halt();                    HALT: silence the rest of the frame's
//                                   samples and mark the frame as over; the
//                                   core then sets the counter to 0
//   uint8_t& SpeakerLevel();        written on OUT to port 0xFE
//   uint8_t RRegisterMode();        read on LD A,R
//
// So the line end sees only the counter on its fast path, and the record
// whole at frame ends: interrupt acceptance, parking for the front end and
// resuming into a new state are all the same hand-over. Reloading masks
// every hot value to its representation, so a damaged saved state cannot
// break the core. FrameEnd and PortRead may live in other translation units
// (they are ordinary calls, a few per frame or per IN); LineEnd and the
// accessors should be inline.
#ifndef TAMBERLIN_Z80_H
#define TAMBERLIN_Z80_H

#include <stdint.h>

#include "z80_sections.h"
#include "z80_state.h"
#include "z80_tables.h"

// Z80 address space plus the GuardMirror behind it.
constexpr uint32_t kZ80MemorySize = 0x10000 + 0x100;

// Reset state: cold registers and hot block zeroed, counter one full line.
void Z80Reset(Z80StateRecord& state);

// The frame-end interrupt, on the parked record: when IFF1 is enabled, push
// PC, disable both flip-flops and continue at 0x0038 (modes 0 and 1, 13
// T-states) or at the word read at I * 256 + 0xFF (mode 2, 19 T-states).
// Returns true when the interrupt was accepted.
bool Z80AcceptInterrupt(Z80StateRecord& state, uint8_t* memory);

// The core itself is in z80_core.h, included by exactly one translation
// unit. On the host (tests, tools) call Z80Run<Machine>(), which runs until
// the machine's FrameEnd returns false. On the GBA define the entry with
//   Z80_DEFINE_CORE(SpectrumCore, SpectrumMachine)
// which places it in IWRAM as ARM code (GCC ignores section attributes on
// templates) and pins the hot registers to r4..r11 in that unit; the boot
// then calls SpectrumCore() once and it never returns. Keep that unit to the
// core and its inline call-outs and compile it with -marm: no other code in
// it may use r4..r11.

#endif  // TAMBERLIN_Z80_H
