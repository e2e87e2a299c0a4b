#include "boot/game_directory.h"

#include "boot/globals.h"
#include "boot/image_layout.h"
#include "boot/later.h"
#include "boot/memory_map.h"

namespace tmb {

namespace {

const uint8_t* romBytes(uint32_t address) { return gba::at<const uint8_t>(address); }

uint32_t read32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void copyControlMap(uint32_t from) {
  const uint8_t* src = romBytes(from);
  for (int i = 0; i < 10; ++i) globals().controlMap[i] = src[i];
  applyControlMap();
}

void pogoshellStart() {
  GlobalsBlock& g = globals();
  g.pogoSnapshot = *gba::at<const uint32_t>(kPogoStartBlock);

  // Two NUL-terminated strings: pass over the first, the second is the file's path.
  char* p = gba::at<char>(kPogoStartBlock + 12);
  while (*p != 0) ++p;
  ++p;
  char* name = p;
  for (; *p != 0; ++p) {
    if (*p == '/') name = p + 1;
  }

  char* nameBuffer = gba::at<char>(kNameBuffer);
  uint32_t length = 0;
  while (name[length] != 0) ++length;
  uint32_t shown = length < kNameBufferSize - 1 ? length : kNameBufferSize - 1;
  for (uint32_t i = 0; i < shown; ++i) nameBuffer[i] = name[i];
  nameBuffer[shown] = 0;

  // The lookup key is the name without its four-character extension; a name
  // too short to have a base still compares one character rather than none.
  uint32_t keyLength = length > 4 ? length - 4 : 1;
  for (uint32_t i = 0; i < keyLength && i < length; ++i) {
    if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
  }
  g.pogoType = (length > 0 && name[length - 1] == '0') ? 1 : 0;

  uint32_t table = imageLayout().imageEnd;
  uint32_t chosen = table;  // the default record comes first
  for (uint32_t record = table; *romBytes(record) != 0; record += kPogoRecordSize) {
    const uint8_t* r = romBytes(record);
    uint32_t i = 0;
    while (i < keyLength && r[i] == static_cast<uint8_t>(name[i])) ++i;
    if (i == keyLength) {
      chosen = record;
      break;
    }
  }
  g.pogoControlMap = chosen + kPogoRecordControlMap;
}

}  // namespace

void countDirectory() {
  GlobalsBlock& g = globals();
  uint32_t entry = imageLayout().imageEnd;
  uint32_t count = 0;
  while (*romBytes(entry) != 0) {
    ++count;
    entry += kRomEntrySize;
  }
  g.entryCount = static_cast<uint16_t>(count);
  g.lastPage = static_cast<uint16_t>(count == 0 ? 0 : (count - 1) / kEntriesPerPage);
  g.lastPageEntries = static_cast<uint16_t>(count == 0 ? 0 : count - g.lastPage * kEntriesPerPage);
  g.page = 0;
  g.row = 0;
}

void startCheck() {
  GlobalsBlock& g = globals();
  if (*gba::at<const uint32_t>(kPogoStartBlock + 4) == kPogoMagic) {
    pogoshellStart();
    return;
  }
  g.pogoSnapshot = 0;
  g.pogoControlMap = 0;
  g.pogoType = 0;
  countDirectory();
}

void loadCurrentGame() {
  GlobalsBlock& g = globals();
  if (g.pogoSnapshot != 0) {
    copyControlMap(g.pogoControlMap);
    runSnapshotLoader(g.pogoType, g.pogoSnapshot);
    return;
  }
  uint32_t end = imageLayout().imageEnd;
  uint32_t entry = end + kRomEntrySize * (g.page * kEntriesPerPage + g.row);
  const uint8_t* e = romBytes(entry);
  char* nameBuffer = gba::at<char>(kNameBuffer);
  uint32_t i = 0;
  for (; i < 16 && e[i] != 0; ++i) nameBuffer[i] = static_cast<char>(e[i]);
  nameBuffer[i] = 0;
  copyControlMap(entry + 22);
  runSnapshotLoader(e[20], end + read32(e + 16));
}

}  // namespace tmb
