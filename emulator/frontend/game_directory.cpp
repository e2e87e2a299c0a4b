#include "frontend/game_directory.h"

#include "boot/globals.h"
#include "boot/image_layout.h"
#include "boot/memory_map.h"
#include "frontend/snapshot_loaders.h"
#include "input/button_actions.h"

namespace tmb {

namespace {

const uint8_t* cartBytes(uint32_t address) { return gba::at<const uint8_t>(address); }

uint32_t read32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void takeControlMap(uint32_t from) {
  const uint8_t* src = cartBytes(from);
  uint8_t* map = globals().controlMap;
  for (uint32_t i = 0; i < kButtonCount; ++i) map[i] = src[i];
  applyControlMap();
}

// Lower-cases the key in place and finds its record in the config table; the
// default record (the first) when none matches.
uint32_t findPogoRecord(char* name, uint32_t keyLength) {
  for (uint32_t i = 0; i < keyLength; ++i) {
    if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
  }
  const uint32_t table = imageLayout().imageEnd;
  for (uint32_t record = table; *cartBytes(record) != 0; record += kPogoRecordSize) {
    const uint8_t* r = cartBytes(record);
    uint32_t i = 0;
    while (i < keyLength && r[i] == static_cast<uint8_t>(name[i])) ++i;
    if (i == keyLength) return record;
  }
  return table;
}

void pogoshellStart() {
  GlobalsBlock& g = globals();
  g.pogoSnapshot = *gba::at<const uint32_t>(kPogoStartBlock);

  // Two strings: pass over the first; the second is the path, "/" between folders.
  char* p = gba::at<char>(kPogoStrings);
  while (*p != 0) ++p;
  char* name = ++p;
  for (; *p != 0; ++p) {
    if (*p == '/') name = p + 1;
  }
  const uint32_t length = static_cast<uint32_t>(p - name);

  char* shown = gba::at<char>(kNameBuffer);
  const uint32_t kept = length < kNameBufferSize - 1 ? length : kNameBufferSize - 1;
  for (uint32_t i = 0; i < kept; ++i) shown[i] = name[i];
  shown[kept] = 0;

  g.pogoType = (length > 0 && name[length - 1] == '0') ? 1 : 0;

  // The key is the name without its four-character extension. A name with no
  // base before the extension still compares one character (its first, or
  // the NUL of an empty name, which no record matches), never a negative count.
  const uint32_t keyLength = length > 4 ? length - 4 : 1;
  g.pogoControlMap = findPogoRecord(name, keyLength) + kPogoRecordControlMap;
}

}  // namespace

void countDirectory() {
  GlobalsBlock& g = globals();
  uint32_t entry = imageLayout().imageEnd;
  uint32_t count = 0;
  while (count < kMaxEntries && *cartBytes(entry) != 0) {
    ++count;
    entry += kRomEntrySize;
  }
  g.entryCount = static_cast<uint16_t>(count);
  g.lastPage = static_cast<uint16_t>(count == 0 ? 0 : (count - 1) / kEntriesPerPage);
  g.lastPageEntries = static_cast<uint16_t>(count - g.lastPage * kEntriesPerPage);
  g.page = 0;
  g.row = 0;
}

void startCheck() {
  GlobalsBlock& g = globals();
  if (*gba::at<const uint32_t>(kPogoMagicAddress) == kPogoMagic) {
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
    takeControlMap(g.pogoControlMap);
    runSnapshotLoader(g.pogoType, g.pogoSnapshot);
    return;
  }
  const uint32_t end = imageLayout().imageEnd;
  const uint32_t entry = end + kRomEntrySize * (g.page * kEntriesPerPage + g.row);
  const uint8_t* e = cartBytes(entry);
  char* shown = gba::at<char>(kNameBuffer);
  uint32_t i = 0;
  for (; i < kRomEntryName && e[i] != 0; ++i) shown[i] = static_cast<char>(e[i]);
  shown[i] = 0;
  takeControlMap(entry + kRomEntryControlMap);
  runSnapshotLoader(e[kRomEntryType], end + read32(e + kRomEntryOffset));
}

}  // namespace tmb
