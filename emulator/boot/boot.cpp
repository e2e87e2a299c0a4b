#include "boot/boot.h"

#include "boot/core_entry.h"
#include "boot/display_setup.h"
#include "boot/game_directory.h"
#include "boot/globals.h"
#include "boot/image_layout.h"
#include "boot/later.h"
#include "boot/memory_map.h"
#include "boot/settings.h"
#include "gba/bios.h"
#include "gba/dma.h"
#include "gba/registers.h"

namespace tmb {

namespace {

void zero32(uint32_t from, uint32_t to) {
  volatile uint32_t* p = gba::at<volatile uint32_t>(from);
  for (uint32_t n = (to - from) / 4; n != 0; --n) *p++ = 0;
}

void copyOverlay(const Overlay& o) { gba::dma3Copy32(o.load, o.run, o.size); }

}  // namespace

void clearMemory() {
  zero32(gba::IWRAM_BASE, kIwramClearEnd);
  zero32(gba::VRAM_BASE, gba::VRAM_BASE + gba::VRAM_SIZE);
  // EWRAM survives a restart, but the StatusLine is drawn from the NameBuffer
  // before any game is loaded: it must hold a terminated string.
  zero32(kNameBuffer, kNameBuffer + kNameBufferSize);
}

void copyOverlays() {
  const ImageLayout layout = imageLayout();
  gba::dma3Copy32(layout.spectrumRom, kZ80Memory, kSpectrumRomSize);
  gba::dma3Copy32(layout.spectrumRom, kGuardMirror, kGuardMirrorSize);
  copyOverlay(layout.core);
  copyOverlay(layout.tables);
  copyOverlay(layout.normalRenderer);
}

void resetCpuState() {
  GlobalsBlock& g = globals();
  for (uint8_t& row : g.keyboardRows) row = 0xFF;
  g.kempston = 0;
  // IX to R: zero (so both IFFs read "enabled" and the mode is 0).
  uint8_t* record = reinterpret_cast<uint8_t*>(&g.z80);
  for (uint32_t i = 0; i < kZ80HotBlockOffset; ++i) record[i] = 0;
  Z80StateRecord& z = g.z80;
  z.szpTable = 0;  // the core fills in its table address when it takes over
  z.tStateCounter = kTStatesPerLine;
  z.memoryBase = kZ80Memory;
  z.A = z.F = z.BC = z.DE = z.HL = z.SP = z.PC = 0;
  z.resume = 0;
}

void startFirstProgram() {
  GlobalsBlock& g = globals();
  if (g.showIntro) {
    runSnapshotLoader(0, imageLayout().introSnapshot);
    g.frontEndMode = kModeIntro;
    g.introCountdown = kIntroFrames;
  } else {
    g.frontEndMode = kModeMenuOpening;
    loadCurrentGame();
    drawStatusLine();
  }
}

void introFrame() {
  GlobalsBlock& g = globals();
  if (--g.introCountdown != 0) return;
  g.frontEndMode = kModeMenuOpening;
  loadCurrentGame();
  drawStatusLine();
}

void bootMachine() {
  clearMemory();  // step 2
  loadSettings();  // step 3
  startCheck();  // step 4
  copyOverlays();  // step 5
  setUpDisplay();  // step 6
  initMenuStack();
  drawMenuPanel();
  drawStatusLine();
  setUpTimersSoundAndInterrupt();  // step 7
  resetCpuState();  // step 8
  startFirstProgram();  // step 9
}

void restartEmulator() {
  using namespace gba;
  REG_DMA0CNT_H = 0;
  REG_DMA1CNT_H = 0;
  REG_DMA2CNT_H = 0;
  REG_DMA3CNT_H = 0;
  REG_IME = 0;
  softReset();
}

}  // namespace tmb

extern "C" void tmbBoot() {
  tmb::bootMachine();
  tmb::enterCore();  // step 10
}
