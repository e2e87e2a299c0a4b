// Instantiates the core for the GBA with a machine shaped like the real one
// (fixed addresses, an inlined line-end fast path), so the cross build can be
// checked and measured on its own: code size, table size, generated code.
#include "z80_core.h"
#include "z80_gba.h"

extern "C" {
extern uint16_t z80check_line_index;
extern uint8_t* z80check_write_buffer;
bool z80check_frame_end();
uint8_t z80check_port_read(uint32_t port);
void z80check_halt();
}

struct CrossCheckMachine : Z80GbaAddresses {
  static bool LineEnd(int32_t& counter) {
    const unsigned line = z80check_line_index;
    counter += kTStatesPerLine;
    if (line < 320) {
      z80check_write_buffer[line] = SpeakerLevel();
      z80check_line_index = static_cast<uint16_t>(line + 1);
      return line + 1 >= 320;
    }
    return true;
  }
  static bool FrameEnd() { return z80check_frame_end(); }
  static uint8_t PortRead(uint32_t port) { return z80check_port_read(port); }
  static void Halt() { z80check_halt(); }
};

Z80_DEFINE_CORE(Z80CrossCheckCore, CrossCheckMachine)
