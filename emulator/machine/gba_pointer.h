// A GBA address as a pointer to a block of `size` bytes: the address itself on
// the cartridge, the host twin's array in the host build.
#ifndef TAMBERLIN_MACHINE_GBA_POINTER_H
#define TAMBERLIN_MACHINE_GBA_POINTER_H

#include <stddef.h>
#include <stdint.h>

#include "gba/memory.h"

namespace tmb {

template <class T>
inline T* block(uint32_t address, size_t size) {
#if defined(TMB_HOST)
  return static_cast<T*>(gba::hostAddress(address, size));
#else
  (void)size;
  return reinterpret_cast<T*>(address);
#endif
}

}  // namespace tmb

#endif  // TAMBERLIN_MACHINE_GBA_POINTER_H
