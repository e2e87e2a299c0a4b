// Finding the games: the Pogoshell start block or the directory the builder
// appended behind the image, and loading the current one into the machine.
#ifndef TAMBERLIN_BOOT_GAME_DIRECTORY_H
#define TAMBERLIN_BOOT_GAME_DIRECTORY_H

#include <stdint.h>

namespace tmb {

constexpr uint32_t kPogoMagic = 0xFAB0BABE;
constexpr uint32_t kRomEntrySize = 32;
constexpr uint32_t kPogoRecordSize = 42;
constexpr uint32_t kPogoRecordControlMap = 32;
constexpr uint32_t kEntriesPerPage = 10;

// Boot step 4: Pogoshell mode when the start block carries its magic, else count the directory.
void startCheck();

// Counts the RomEntry records at the image end and sets the position to page 0, row 0.
void countDirectory();

// Loads the game named by the Pogoshell fields or the directory position.
void loadCurrentGame();

}  // namespace tmb

#endif  // TAMBERLIN_BOOT_GAME_DIRECTORY_H
