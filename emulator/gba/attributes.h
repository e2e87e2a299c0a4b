// Placement of speed-critical code and data. On the cartridge these go to the
// sections the linker script loads into IWRAM/EWRAM at boot; on the host they vanish.
#ifndef TAMBERLIN_GBA_ATTRIBUTES_H
#define TAMBERLIN_GBA_ATTRIBUTES_H

#if defined(TMB_HOST)
#define TMB_IWRAM_CODE
#define TMB_IWRAM_DATA
#define TMB_EWRAM_DATA
#define TMB_LONG_CALL
#else
// ARM state, not cloned or folded away: IWRAM routines are entered from ROM by address.
#define TMB_IWRAM_CODE __attribute__((section(".iwram.text"), target("arm"), noipa))
#define TMB_IWRAM_DATA __attribute__((section(".iwram.data")))
#define TMB_EWRAM_DATA __attribute__((section(".ewram")))
// Calls between ROM and IWRAM are out of branch range.
#define TMB_LONG_CALL __attribute__((long_call))
#endif

#endif  // TAMBERLIN_GBA_ATTRIBUTES_H
