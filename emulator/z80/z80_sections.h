// Placement of the core on the GBA: hot code and the small tables run from
// IWRAM in ARM state, the bigger tables sit in EWRAM. The boot copies these
// sections from ROM. On the host the macros place nothing.
#ifndef TAMBERLIN_Z80_SECTIONS_H
#define TAMBERLIN_Z80_SECTIONS_H

#if defined(__arm__) && !defined(__linux__)
#define Z80_IWRAM_CODE(name) __attribute__((section(".iwram.text." name), target("arm"), noinline))
#define Z80_IWRAM_DATA(name) __attribute__((section(".iwram.data." name)))
#define Z80_EWRAM_DATA(name) __attribute__((section(".ewram.data." name)))
#else
#define Z80_IWRAM_CODE(name) __attribute__((noinline))
#define Z80_IWRAM_DATA(name)
#define Z80_EWRAM_DATA(name)
#endif

#endif  // TAMBERLIN_Z80_SECTIONS_H
