// The GBA build of the core (ARM code, pinned registers, ARM flag helpers)
// against the host build, which the differential test checks against
// libz80ex: the vector image runs the same instruction vectors in mGBA.
#include <gtest/gtest.h>

#include <string>

#include "gba_harness.h"
#include "test_machine.h"
#include "z80_gba_results.h"
#include "z80_vectors.h"

TEST(Z80Gba, ArmBuildAgreesWithHostBuildOnEveryOpcode) {
  static uint32_t want[z80vectors::kHashes];
  TestMachine::Reset();
  TestMachine::portRead = [](uint32_t port) { return z80vectors::PortValue(port); };
  z80vectors::RunAll(TestMachine::state, TestMachine::memory, TestMachine::speaker, TestMachine::rMode, want,
                     z80gba::kVectorStates, [] {
                       TestMachine::stepMode = true;
                       Z80Run<TestMachine>();
                     });

  tmb::harness::Gba gba;
  std::string error;
  ASSERT_TRUE(gba.loadImageFile(Z80_VECTORS_GBA, &error)) << error;
  ASSERT_TRUE(gba.start(&error)) << error;
  ASSERT_TRUE(gba.runUntil([](tmb::harness::Gba& g) { return g.read32(z80gba::kReady) == z80gba::kReadyMagic; },
                           60000))
      << "the vector image did not finish";
  static const char* const kGroup[] = {"", "CB ", "ED ", "DD ", "FD ", "DD CB d ", "FD CB d "};
  int differing = 0;
  for (int i = 0; i < z80vectors::kHashes; ++i) {
    if (gba.read32(z80gba::kHashes + 4 * i) != want[i] && ++differing <= 20)
      ADD_FAILURE() << "GBA build differs on " << kGroup[i / 256] << std::hex << (i % 256);
  }
  EXPECT_EQ(differing, 0);
}
