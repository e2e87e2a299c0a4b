#include "core/disk_file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tmb {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const char* what, const std::string& path, const std::string& reason) {
  throw FileError(std::string(what) + " \"" + path + "\": " + reason);
}

[[noreturn]] void fail(const char* what, const std::string& path, int error) {
  fail(what, path, std::string(std::strerror(error)));
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openOrFail(const std::string& path, const char* mode, const char* what) {
  errno = 0;
  FilePtr f(std::fopen(path.c_str(), mode));
  if (!f) fail(what, path, errno ? errno : EIO);
  return f;
}

void writeAll(std::FILE* f, ByteView bytes, const std::string& path) {
  errno = 0;
  if (bytes.size && std::fwrite(bytes.data, 1, bytes.size, f) != bytes.size)
    fail("Cannot write to file", path, errno ? errno : EIO);
}

class DiskOutputFile : public OutputFile {
 public:
  DiskOutputFile(FilePtr f, std::string path) : file_(std::move(f)), path_(std::move(path)) {}
  void append(ByteView bytes) override {
    if (!file_) throw FileError("Cannot write to file \"" + path_ + "\": it is closed");
    writeAll(file_.get(), bytes, path_);
  }
  void close() override {
    if (!file_) return;
    errno = 0;
    const bool ok = std::fclose(file_.release()) == 0;
    if (!ok) fail("Cannot write to file", path_, errno ? errno : EIO);
  }

 private:
  FilePtr file_;
  std::string path_;
};

}  // namespace

bool DiskFileSystem::folderExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(fs::u8path(path), ec);
}

bool DiskFileSystem::createFolder(const std::string& path) {
  std::error_code ec;
  return fs::create_directory(fs::u8path(path), ec) && !ec;
}

bool DiskFileSystem::fileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::u8path(path), ec);
}

std::uint64_t DiskFileSystem::fileSize(const std::string& path) {
  std::error_code ec;
  const auto size = fs::file_size(fs::u8path(path), ec);
  if (ec) fail("Cannot open file", path, ec.message());
  return size;
}

Bytes DiskFileSystem::readFile(const std::string& path) {
  FilePtr f = openOrFail(path, "rb", "Cannot open file");
  // Read straight into the buffer at the size the file has now, then whatever it grew by.
  std::error_code ec;
  const auto expected = fs::file_size(fs::u8path(path), ec);
  Bytes bytes(ec ? 0 : static_cast<std::size_t>(expected));
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f.get());
  if (got == bytes.size()) {
    std::uint8_t chunk[1 << 12];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0;) {
      bytes.insert(bytes.end(), chunk, chunk + n);
      got += n;
    }
  }
  if (std::ferror(f.get())) fail("Cannot read file", path, errno ? errno : EIO);
  bytes.resize(got);
  return bytes;
}

void DiskFileSystem::writeFile(const std::string& path, ByteView bytes) {
  FilePtr f = openOrFail(path, "wb", "Cannot create file");
  writeAll(f.get(), bytes, path);
  errno = 0;
  if (std::fclose(f.release()) != 0) fail("Cannot write to file", path, errno ? errno : EIO);
}

std::unique_ptr<OutputFile> DiskFileSystem::openForAppend(const std::string& path) {
  return std::make_unique<DiskOutputFile>(openOrFail(path, "ab", "Cannot open file"), path);
}

void DiskFileSystem::replaceFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(fs::u8path(from), fs::u8path(to), ec);
  if (ec) fail("Cannot replace file", to, ec.message());
}

void DiskFileSystem::removeFile(const std::string& path) noexcept {
  std::error_code ec;
  fs::remove(fs::u8path(path), ec);
}

}  // namespace tmb
