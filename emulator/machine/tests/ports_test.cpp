#include "machine/ports.h"

#include "machine_fixture.h"

namespace tmb {
namespace {

// Rows are indexed A15 first; a held key clears its bit.
struct PortCase {
  const char* what;
  uint32_t port;
  int row;        // -1: no key
  uint8_t rowValue;
  int row2;
  uint8_t row2Value;
  uint8_t kempston;
  uint8_t expected;
};

const PortCase kPortCases[] = {
    {"B on A15 read at 0x7FFE", 0x7FFE, 0, 0xEF, -1, 0, 0, 0xEF},
    {"B seen when every line is low", 0x00FE, 0, 0xEF, -1, 0, 0, 0xEF},
    {"B not seen from the A8 row", 0xFEFE, 0, 0xEF, -1, 0, 0, 0xFF},
    {"Q and SHIFT read together at 0xFAFE", 0xFAFE, 5, 0xFE, 7, 0xFE, 0, 0xFE},
    {"high byte 0xFF reads no row", 0xFFFE, 0, 0x00, 7, 0x00, 0, 0xFF},
    {"low byte beyond bit 0 ignored", 0x7F00, 0, 0xEF, -1, 0, 0, 0xEF},
    {"no key, any even port", 0x1234, -1, 0, -1, 0, 0, 0xFF},
    {"Kempston idle at 0x001F", 0x001F, -1, 0, -1, 0, 0, 0x00},
    {"fire and up at 0x001F", 0x001F, -1, 0, -1, 0, 0x18, 0x18},
    {"fire and up at 0x00FF", 0x00FF, -1, 0, -1, 0, 0x18, 0x18},
    {"fire and up at 0x7F1F", 0x7F1F, 0, 0xEF, -1, 0, 0x18, 0x18},
    {"odd port ignores the keyboard", 0x0001, 0, 0x00, -1, 0, 0x00, 0x00},
};

TEST(PortDecode, HalfRowsAndKempston) {
  for (const PortCase& c : kPortCases) {
    uint8_t rows[8];
    std::memset(rows, 0xFF, sizeof rows);
    if (c.row >= 0) rows[c.row] = c.rowValue;
    if (c.row2 >= 0) rows[c.row2] = c.row2Value;
    EXPECT_EQ(decodePort(c.port, rows, c.kempston), c.expected) << c.what;
  }
}

TEST(PortDecode, EachAddressLineSelectsItsRow) {
  for (int line = 0; line < 8; ++line) {
    uint8_t rows[8];
    for (int i = 0; i < 8; ++i) rows[i] = static_cast<uint8_t>(0xE0 | (3 * i + 1));
    const uint32_t port = (0xFFu ^ (0x80u >> line)) << 8;  // only A(15 - line) low
    EXPECT_EQ(decodePort(port | 0xFE, rows, 0), rows[line]) << "row " << line;
  }
}

using PortReadTest = test::MachineTest;

TEST_F(PortReadTest, KeyStateLastsOneRead) {
  g.keyboardRows[6] = 0xFE;  // A on the A9 row
  g.kempston = 0x10;
  EXPECT_EQ(portRead(0xFDFE), 0xFE);
  for (uint8_t row : g.keyboardRows) EXPECT_EQ(row, 0xFF);
  EXPECT_EQ(g.kempston, 0);
  EXPECT_EQ(portRead(0xFDFE), 0xFF);
  EXPECT_EQ(portRead(0x001F), 0x00);
}

}  // namespace
}  // namespace tmb
