// Where the games come from: the Pogoshell start block, or the directory the
// builder appended behind the image; and loading the current game.
#ifndef TAMBERLIN_FRONTEND_GAME_DIRECTORY_H
#define TAMBERLIN_FRONTEND_GAME_DIRECTORY_H

#include <stdint.h>

namespace tmb {

constexpr uint32_t kPogoMagic = 0xFAB0BABE;
constexpr uint32_t kPogoMagicAddress = 0x0203FC00;
constexpr uint32_t kPogoStrings = 0x0203FC08;
constexpr uint32_t kRomEntrySize = 32;
constexpr uint32_t kRomEntryName = 15;  // characters; byte 15 is always 0
constexpr uint32_t kRomEntryOffset = 16;
constexpr uint32_t kRomEntryType = 20;
constexpr uint32_t kRomEntryControlMap = 22;
constexpr uint32_t kPogoRecordSize = 42;
constexpr uint32_t kPogoRecordControlMap = 32;
constexpr uint32_t kEntriesPerPage = 10;
constexpr uint32_t kMaxEntries = 0xFFFF;  // the count is 16 bits

// Boot step 4: Pogoshell mode when the start block carries its magic (name,
// type and controls taken from it and the config table), else count the
// directory.
void startCheck();

// Counts the RomEntry records at the image end; position page 0, row 0.
void countDirectory();

// The Pogoshell file, or the directory entry at the current position: its
// name to the NameBuffer (standalone), its ControlMap to GlobalsBlock 0x50 and
// applied, then the snapshot loaded. Nothing else of the machine is reset.
void loadCurrentGame();

}  // namespace tmb

#endif  // TAMBERLIN_FRONTEND_GAME_DIRECTORY_H
