#pragma once
// The builds' user interface on a terminal: messages on stdout (warnings and errors on
// stderr), the Replace question on the terminal, a progress bar on stderr.
#include <cstdio>

#include "core/user_interface.h"

namespace tmb::cli {

bool isTerminal(std::FILE* stream);

class TerminalProgress : public Progress {
 public:
  explicit TerminalProgress(bool draw) : draw_(draw) {}
  void setMinimum(int value) override { minimum_ = value; }
  void setMaximum(int value) override;
  void setStep(int value) override { step_ = value; }
  void stepIt() override;
  void setPosition(int value) override;
  // Ends a drawn bar's line so that other output starts on a line of its own.
  void breakLine();

 private:
  void redraw();
  bool draw_;
  bool onScreen_ = false;
  int minimum_ = 0, maximum_ = 100, step_ = 10, position_ = 0;
};

class TerminalUi : public UserInterface {
 public:
  // assumeYes answers every question Yes; without it and without a terminal, No.
  explicit TerminalUi(bool assumeYes);
  void message(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  Progress& progress() override { return progress_; }

 private:
  bool assumeYes_;
  TerminalProgress progress_;
};

// "\r" in the builder's texts is a line break.
std::string terminalText(const std::string& text);

}  // namespace tmb::cli
