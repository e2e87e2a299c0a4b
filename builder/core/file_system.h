#pragma once
// The file operations the builder needs, behind an interface so that the builds run the same
// on disk and on memory (tests, benchmarks).
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/bytes.h"

namespace tmb {

// A failed file operation. The text names the file and the reason, ready to show to the user.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file open for appending; closing flushes and reports a failed write.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual void append(ByteView bytes) = 0;  // throws FileError
  virtual void close() = 0;                 // throws FileError; closing twice is harmless
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool folderExists(const std::string& path) = 0;
  // Creates the last level only; false when that fails (the caller finds out at the next write).
  virtual bool createFolder(const std::string& path) = 0;
  virtual bool fileExists(const std::string& path) = 0;
  virtual std::uint64_t fileSize(const std::string& path) = 0;           // throws FileError
  virtual Bytes readFile(const std::string& path) = 0;                   // throws FileError
  virtual void writeFile(const std::string& path, ByteView bytes) = 0;   // creates or truncates
  virtual std::unique_ptr<OutputFile> openForAppend(const std::string& path) = 0;
  // Moves `from` over `to`, replacing it in one step.
  virtual void replaceFile(const std::string& from, const std::string& to) = 0;
  virtual void removeFile(const std::string& path) noexcept = 0;
};

}  // namespace tmb
