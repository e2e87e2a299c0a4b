// The boot's last step hands the processor to the Z80 core, which never returns.
#ifndef TAMBERLIN_BOOT_CORE_ENTRY_H
#define TAMBERLIN_BOOT_CORE_ENTRY_H

namespace tmb {

// Loads the hot registers from the Z80StateRecord and starts at test-and-fetch.
[[noreturn]] void enterCore();

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_CORE_ENTRY_H
