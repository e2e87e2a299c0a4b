#pragma once
// Shared fixtures: a user interface that records what the builds show, and a launcher that
// records what they start.
#include <optional>
#include <string>
#include <vector>

#include "core/bytes.h"
#include "core/user_interface.h"

namespace tmb::test {

struct RecordingProgress : Progress {
  int minimum = -1, maximum = -1, step = -1, position = 0, steps = 0;
  void setMinimum(int v) override { minimum = v; }
  void setMaximum(int v) override { maximum = v; }
  void setStep(int v) override { step = v; }
  void stepIt() override {
    position += step;
    ++steps;
  }
  void setPosition(int v) override { position = v; }
};

struct Shown {
  std::string text, caption;
  MessageIcon icon;
};

struct RecordingUi : UserInterface {
  bool answer = true;
  std::vector<Shown> messages;
  std::vector<std::string> questions;
  RecordingProgress bar;

  void message(const std::string& text, const std::string& caption, MessageIcon icon) override {
    messages.push_back({text, caption, icon});
  }
  bool askYesNo(const std::string& text, const std::string& caption) override {
    questions.push_back(caption + "|" + text);
    return answer;
  }
  Progress& progress() override { return bar; }
  std::vector<std::string> texts() const {
    std::vector<std::string> t;
    for (const auto& m : messages) t.push_back(m.text);
    return t;
  }
};

struct RecordingLauncher : Launcher {
  std::optional<std::string> failure;
  std::vector<std::string> started;  // "file|folder"
  std::optional<std::string> open(const std::string& file, const std::string& folder) override {
    started.push_back(file + "|" + folder);
    return failure;
  }
};

inline Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A file of `size` bytes whose content tells where each byte came from.
inline Bytes patterned(std::size_t size, std::uint8_t seed) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(seed + i * 7);
  return b;
}

}  // namespace tmb::test
