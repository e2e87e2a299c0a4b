#include "core/image_layout.h"

#include "core/path.h"

namespace tmb {

namespace {

// The text cut to `width` and filled with blanks, then a 0.
void appendName(Bytes& out, const std::string& name, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    out.push_back(i < name.size() ? static_cast<std::uint8_t>(name[i]) : ' ');
  out.push_back(0);
}

void appendLe32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

SnapshotType snapshotType(const std::string& fileName) {
  return equalsIgnoreCase(extensionOf(fileName), ".SNA") ? SnapshotType::Sna : SnapshotType::Z80;
}

void appendRomEntry(Bytes& out, const std::string& romName, std::uint32_t dataOffset, SnapshotType type,
                    const ControlMap& controls) {
  appendName(out, romName, kRomNameField);
  appendLe32(out, dataOffset);
  out.push_back(static_cast<std::uint8_t>(type));
  out.push_back(0);
  out.insert(out.end(), controls.begin(), controls.end());
}

void appendPogoRecord(Bytes& out, const std::string& name, const ControlMap& controls) {
  appendName(out, name, kPogoNameField);
  out.insert(out.end(), controls.begin(), controls.end());
}

std::string pogoRecordName(const std::string& sectionName) {
  return lowerAscii(sectionName).substr(0, kPogoNameField);
}

}  // namespace tmb

static_assert(tmb::kRomNameField + 1 + 4 + 1 + 1 + 10 == tmb::kRomEntrySize, "RomEntry is 32 bytes");
static_assert(tmb::kPogoNameField + 1 + 10 == tmb::kPogoRecordSize, "PogoConfigRecord is 42 bytes");
