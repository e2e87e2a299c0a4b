#include "gba_harness.h"

// mGBA's structure layouts depend on its build flags: flags.h comes first.
#include <mgba/flags.h>

#include <mgba/core/core.h>
#include <mgba/core/interface.h>
#include <mgba/core/log.h>
#include <mgba/core/timing.h>
#include <mgba/internal/gba/gba.h>
#include <mgba-util/vfs.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "png_writer.h"

namespace tmb::harness {

namespace {

constexpr size_t kSramSize = 0x8000;

struct CapturingLogger {
  mLogger d;
  std::vector<std::string>* lines;
};

void logMessage(mLogger* logger, int category, enum mLogLevel level, const char* format, va_list args) {
  auto* self = reinterpret_cast<CapturingLogger*>(logger);
  if (!self->lines) return;
  // Problems, and whatever the program prints through the debug registers.
  bool problem = level & (mLOG_FATAL | mLOG_ERROR | mLOG_WARN | mLOG_GAME_ERROR);
  if (!problem && std::strcmp(mLogCategoryId(category), "gba.debug") != 0) return;
  char text[512];
  std::vsnprintf(text, sizeof text, format, args);
  self->lines->push_back(std::string(mLogCategoryName(category)) + ": " + text);
}

CapturingLogger g_logger = {{logMessage, nullptr}, nullptr};

struct AudioCapture {
  mAVStream d;
  std::vector<int16_t>* samples;
};

void postAudioFrame(mAVStream* stream, int16_t left, int16_t right) {
  auto* self = reinterpret_cast<AudioCapture*>(stream);
  self->samples->push_back(left);
  self->samples->push_back(right);
}

}  // namespace

struct Gba::State {
  mCore* core = nullptr;
  bool started = false;
  std::vector<uint8_t> image;
  std::vector<uint8_t> sram;
  std::vector<std::pair<uint32_t, std::vector<uint8_t>>> pokes;
  std::vector<color_t> video = std::vector<color_t>(kScreenWidth * kScreenHeight);
  std::vector<int16_t> audio;
  std::vector<std::string> log;
  AudioCapture capture{};

  GBA* board() const { return static_cast<GBA*>(core->board); }
};

Gba::Gba() : s_(new State) {}

Gba::~Gba() {
  if (s_->core) {
    s_->core->deinit(s_->core);  // also releases the ROM and save files it was given
  }
  if (g_logger.lines == &s_->log) g_logger.lines = nullptr;
}

bool Gba::loadImageFile(const std::string& path, std::string* error) {
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    if (error) *error = "cannot read " + path;
    return false;
  }
  loadImage(std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>()));
  return true;
}

void Gba::loadImage(std::vector<uint8_t> image) { s_->image = std::move(image); }
void Gba::presetSram(std::vector<uint8_t> sram) { s_->sram = std::move(sram); }
void Gba::pokeBeforeStart(uint32_t address, std::vector<uint8_t> bytes) {
  s_->pokes.emplace_back(address, std::move(bytes));
}

bool Gba::start(std::string* error) {
  auto fail = [&](const char* what) {
    if (error) *error = what;
    return false;
  };
  if (s_->started) return fail("the harness was already started");
  if (s_->image.empty()) return fail("no cartridge image loaded");

  g_logger.lines = &s_->log;
  mLogSetDefaultLogger(&g_logger.d);

  mCore* core = mCoreCreate(mPLATFORM_GBA);
  if (!core) return fail("mGBA has no GBA core");
  s_->core = core;
  if (!core->init(core)) return fail("mGBA core init failed");
  mCoreInitConfig(core, nullptr);
  mCoreConfigSetIntValue(&core->config, "skipBios", 1);
  mCoreConfigSetIntValue(&core->config, "useBios", 0);
  mCoreConfigSetIntValue(&core->config, "volume", 0x100);
  mCoreConfigSetValue(&core->config, "idleOptimization", "detect");
  mCoreConfigSetValue(&core->config, "savetype", "SRAM");
  mCoreLoadForeignConfig(core, &core->config);
  core->setVideoBuffer(core, s_->video.data(), kScreenWidth);

  s_->capture.d.postAudioFrame = postAudioFrame;
  s_->capture.samples = &s_->audio;
  core->setAVStream(core, &s_->capture.d);

  VFile* rom = VFileMemChunk(s_->image.data(), s_->image.size());
  if (!rom || !core->loadROM(core, rom)) return fail("mGBA refused the cartridge image");
  std::vector<uint8_t> sram = s_->sram;
  sram.resize(kSramSize, 0xFF);
  VFile* save = VFileMemChunk(sram.data(), sram.size());
  if (!save || !core->loadSave(core, save)) return fail("mGBA refused the SRAM contents");
  core->reset(core);
  for (const auto& poke : s_->pokes) write(poke.first, poke.second);
  s_->started = true;
  return true;
}

void Gba::setKeys(uint16_t keys) { s_->core->setKeys(s_->core, keys); }

void Gba::runFrames(int frames) {
  for (int i = 0; i < frames; ++i) s_->core->runFrame(s_->core);
}

bool Gba::runUntil(const std::function<bool(Gba&)>& done, int maxFrames) {
  for (int i = 0; i < maxFrames; ++i) {
    if (done(*this)) return true;
    s_->core->runFrame(s_->core);
  }
  return done(*this);
}

uint8_t Gba::read8(uint32_t address) const {
  return static_cast<uint8_t>(s_->core->rawRead8(s_->core, address, -1));
}
uint16_t Gba::read16(uint32_t address) const {
  return static_cast<uint16_t>(s_->core->rawRead16(s_->core, address, -1));
}
uint32_t Gba::read32(uint32_t address) const { return s_->core->rawRead32(s_->core, address, -1); }

std::vector<uint8_t> Gba::read(uint32_t address, size_t size) const {
  std::vector<uint8_t> out(size);
  for (size_t i = 0; i < size; ++i) out[i] = read8(static_cast<uint32_t>(address + i));
  return out;
}

void Gba::write(uint32_t address, const std::vector<uint8_t>& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    s_->core->rawWrite8(s_->core, static_cast<uint32_t>(address + i), -1, bytes[i]);
  }
}

uint16_t Gba::ioRegister(uint32_t address) const { return s_->board()->memory.io[(address & 0x3FF) >> 1]; }
uint16_t Gba::timerReload(int timer) const { return s_->board()->timers[timer & 3].reload; }

uint32_t Gba::pc() const {
  int32_t value = 0;
  s_->core->readRegister(s_->core, "pc", &value);
  return static_cast<uint32_t>(value);
}

std::vector<uint8_t> Gba::sram() const {
  void* data = nullptr;
  size_t size = s_->core->savedataClone(s_->core, &data);
  std::vector<uint8_t> out(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
  std::free(data);
  return out;
}

std::vector<uint32_t> Gba::screen() const {
  const void* buffer = nullptr;
  size_t stride = 0;
  s_->core->getPixels(s_->core, &buffer, &stride);
  const uint8_t* bytes = static_cast<const uint8_t*>(buffer);
  std::vector<uint32_t> out(kScreenWidth * kScreenHeight);
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      const uint8_t* p = bytes + (static_cast<size_t>(y) * stride + x) * 4;
      out[y * kScreenWidth + x] = static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
    }
  }
  return out;
}

bool Gba::writePng(const std::string& path, std::string* error) const {
  return writeRgbPng(path, screen(), kScreenWidth, kScreenHeight, error);
}

const std::vector<int16_t>& Gba::audio() const { return s_->audio; }
void Gba::clearAudio() { s_->audio.clear(); }
uint64_t Gba::cycles() const { return mTimingGlobalTime(s_->core->timing); }
const std::vector<std::string>& Gba::log() const { return s_->log; }

}  // namespace tmb::harness
