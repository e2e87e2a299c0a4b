#pragma once
// What the builds need from whoever runs them: the GUI's message boxes and progress bar, the
// terminal's prints and questions, or a test's recorder.
#include <optional>
#include <string>

namespace tmb {

enum class MessageIcon { None, Exclamation, Error };

// Caption of reports about failed file or system operations.
constexpr const char* kErrorCaption = "Error";

class Progress {
 public:
  virtual ~Progress() = default;
  virtual void setMinimum(int value) = 0;
  virtual void setMaximum(int value) = 0;
  virtual void setStep(int value) = 0;
  virtual void stepIt() = 0;
  virtual void setPosition(int value) = 0;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // "\r" in the text is a line break.
  virtual void message(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
  // A Yes/No question with an exclamation icon; true only for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
  virtual Progress& progress() = 0;
};

// Starts a file with the program the system associates with it, in a given working folder,
// without waiting. Returns the system's error text when the start failed.
class Launcher {
 public:
  virtual ~Launcher() = default;
  virtual std::optional<std::string> open(const std::string& file, const std::string& workingFolder) = 0;
};

}  // namespace tmb
