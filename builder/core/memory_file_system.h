#pragma once
// A file system held in memory, for tests and benchmarks. Paths are normalised ("\" and "/"
// both separate, "." and ".." are resolved), so the builder's concatenated paths work on it.
#include <map>
#include <set>
#include <string>

#include "core/file_system.h"

namespace tmb {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();

  // Set-up helpers: addFolder creates every missing level.
  void addFolder(const std::string& path);
  void addFile(const std::string& path, Bytes bytes);
  // Writes into this folder (or to this file) fail, as on a read-only medium.
  void denyWrites(const std::string& path);
  // Reads of this file fail although it exists.
  void denyReads(const std::string& path);
  const Bytes* find(const std::string& path) const;
  std::set<std::string> files() const;

  bool folderExists(const std::string& path) override;
  bool createFolder(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  std::uint64_t fileSize(const std::string& path) override;
  Bytes readFile(const std::string& path) override;
  void writeFile(const std::string& path, ByteView bytes) override;
  std::unique_ptr<OutputFile> openForAppend(const std::string& path) override;
  void replaceFile(const std::string& from, const std::string& to) override;
  void removeFile(const std::string& path) noexcept override;

  static std::string normalise(const std::string& path);

 private:
  friend class MemoryOutputFile;
  Bytes& writable(const std::string& path, bool truncate);

  std::set<std::string> folders_;
  std::map<std::string, Bytes> files_;
  std::set<std::string> deniedWrites_;
  std::set<std::string> deniedReads_;
};

}  // namespace tmb
