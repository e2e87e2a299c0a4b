#pragma once
#include "core/file_system.h"

namespace tmb {

// The real file system, through the C library so that errors carry the system's reason.
class DiskFileSystem : public FileSystem {
 public:
  bool folderExists(const std::string& path) override;
  bool createFolder(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  std::uint64_t fileSize(const std::string& path) override;
  Bytes readFile(const std::string& path) override;
  void writeFile(const std::string& path, ByteView bytes) override;
  std::unique_ptr<OutputFile> openForAppend(const std::string& path) override;
  void replaceFile(const std::string& from, const std::string& to) override;
  void removeFile(const std::string& path) noexcept override;
};

}  // namespace tmb
