#include "cli/terminal_ui.h"

#include <iostream>
#include <string>

#ifdef _WIN32
#include <io.h>
#define TMB_ISATTY _isatty
#define TMB_FILENO _fileno
#else
#include <unistd.h>
#define TMB_ISATTY isatty
#define TMB_FILENO fileno
#endif

namespace tmb::cli {

bool isTerminal(std::FILE* stream) { return TMB_ISATTY(TMB_FILENO(stream)) != 0; }

std::string terminalText(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '\r') c = '\n';
  return out;
}

void TerminalProgress::setMaximum(int value) {
  maximum_ = value;
  redraw();
}

void TerminalProgress::stepIt() {
  position_ += step_;
  if (position_ > maximum_) position_ = maximum_;
  redraw();
}

void TerminalProgress::setPosition(int value) {
  position_ = value;
  if (value == minimum_) {
    // Back at the start: the bar has done its job and goes away.
    if (onScreen_) std::fputs("\r\033[K", stderr);
    onScreen_ = false;
    return;
  }
  redraw();
}

void TerminalProgress::breakLine() {
  if (!onScreen_) return;
  std::fputc('\n', stderr);
  onScreen_ = false;
}

void TerminalProgress::redraw() {
  if (!draw_ || maximum_ <= minimum_) return;
  constexpr int kWidth = 40;
  const int span = maximum_ - minimum_;
  const int done = static_cast<int>(static_cast<long long>(position_ - minimum_) * kWidth / span);
  std::string bar(static_cast<std::size_t>(done), '#');
  bar.resize(kWidth, '.');
  std::fprintf(stderr, "\r[%s] %d/%d", bar.c_str(), position_ - minimum_, span);
  std::fflush(stderr);
  onScreen_ = true;
}

TerminalUi::TerminalUi(bool assumeYes) : assumeYes_(assumeYes), progress_(isTerminal(stderr)) {}

void TerminalUi::message(const std::string& text, const std::string& caption, MessageIcon icon) {
  progress_.breakLine();
  std::FILE* out = icon == MessageIcon::None ? stdout : stderr;
  // The caption of a box becomes a prefix, except for the plain "TMB" reports.
  const std::string prefix = caption.empty() || caption == "TMB" ? "" : caption + ": ";
  std::fprintf(out, "%s%s\n", prefix.c_str(), terminalText(text).c_str());
  std::fflush(out);
}

bool TerminalUi::askYesNo(const std::string& text, const std::string& caption) {
  progress_.breakLine();
  const std::string question = caption + ": " + terminalText(text);
  if (assumeYes_) {
    std::fprintf(stderr, "%s yes (--yes)\n", question.c_str());
    return true;
  }
  if (!isTerminal(stdin)) {
    std::fprintf(stderr, "%s no (no terminal to ask; --yes answers Yes)\n", question.c_str());
    return false;
  }
  std::fprintf(stderr, "%s [y/N] ", question.c_str());
  std::fflush(stderr);
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

}  // namespace tmb::cli
