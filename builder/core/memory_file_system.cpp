#include "core/memory_file_system.h"

#include <vector>

namespace tmb {

namespace {

std::string parentOf(const std::string& normalised) {
  const auto slash = normalised.rfind('/');
  return slash == 0 ? std::string("/") : normalised.substr(0, slash);
}

[[noreturn]] void fail(const char* what, const std::string& path, const char* reason) {
  throw FileError(std::string(what) + " \"" + path + "\": " + reason);
}

}  // namespace

class MemoryOutputFile : public OutputFile {
 public:
  MemoryOutputFile(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
  void append(ByteView bytes) override {
    if (closed_) fail("Cannot write to file", path_, "it is closed");
    Bytes& file = fs_.writable(path_, false);
    file.insert(file.end(), bytes.begin(), bytes.end());
  }
  void close() override { closed_ = true; }

 private:
  MemoryFileSystem& fs_;
  std::string path_;
  bool closed_ = false;
};

MemoryFileSystem::MemoryFileSystem() { folders_.insert("/"); }

std::string MemoryFileSystem::normalise(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  auto flush = [&] {
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    part.clear();
  };
  for (char c : path) {
    if (c == '/' || c == '\\')
      flush();
    else
      part += c;
  }
  flush();
  std::string out;
  for (const auto& p : parts) out += "/" + p;
  return out.empty() ? "/" : out;
}

void MemoryFileSystem::addFolder(const std::string& path) {
  std::string n = normalise(path);
  while (n != "/") {
    folders_.insert(n);
    n = parentOf(n);
  }
}

void MemoryFileSystem::addFile(const std::string& path, Bytes bytes) {
  const std::string n = normalise(path);
  addFolder(parentOf(n));
  files_[n] = std::move(bytes);
}

void MemoryFileSystem::denyWrites(const std::string& path) { deniedWrites_.insert(normalise(path)); }
void MemoryFileSystem::denyReads(const std::string& path) { deniedReads_.insert(normalise(path)); }

const Bytes* MemoryFileSystem::find(const std::string& path) const {
  const auto it = files_.find(normalise(path));
  return it == files_.end() ? nullptr : &it->second;
}

std::set<std::string> MemoryFileSystem::files() const {
  std::set<std::string> names;
  for (const auto& f : files_) names.insert(f.first);
  return names;
}

bool MemoryFileSystem::folderExists(const std::string& path) { return folders_.count(normalise(path)) > 0; }

bool MemoryFileSystem::createFolder(const std::string& path) {
  const std::string n = normalise(path);
  if (folders_.count(n) || files_.count(n)) return false;
  const std::string parent = parentOf(n);
  if (!folders_.count(parent) || deniedWrites_.count(parent)) return false;
  folders_.insert(n);
  return true;
}

bool MemoryFileSystem::fileExists(const std::string& path) { return files_.count(normalise(path)) > 0; }

std::uint64_t MemoryFileSystem::fileSize(const std::string& path) {
  const auto it = files_.find(normalise(path));
  if (it == files_.end()) fail("Cannot open file", path, "No such file or directory");
  return it->second.size();
}

Bytes MemoryFileSystem::readFile(const std::string& path) {
  const std::string n = normalise(path);
  const auto it = files_.find(n);
  if (it == files_.end()) fail("Cannot open file", path, "No such file or directory");
  if (deniedReads_.count(n)) fail("Cannot open file", path, "Permission denied");
  return it->second;
}

Bytes& MemoryFileSystem::writable(const std::string& path, bool truncate) {
  const std::string n = normalise(path);
  const std::string parent = parentOf(n);
  if (!folders_.count(parent) || folders_.count(n))
    fail("Cannot create file", path, folders_.count(n) ? "Is a directory" : "No such file or directory");
  if (deniedWrites_.count(parent) || deniedWrites_.count(n)) fail("Cannot create file", path, "Permission denied");
  Bytes& file = files_[n];
  if (truncate) file.clear();
  return file;
}

void MemoryFileSystem::writeFile(const std::string& path, ByteView bytes) {
  Bytes& file = writable(path, true);
  file.assign(bytes.begin(), bytes.end());
}

std::unique_ptr<OutputFile> MemoryFileSystem::openForAppend(const std::string& path) {
  writable(path, false);
  return std::make_unique<MemoryOutputFile>(*this, path);
}

void MemoryFileSystem::replaceFile(const std::string& from, const std::string& to) {
  const auto it = files_.find(normalise(from));
  if (it == files_.end()) fail("Cannot replace file", to, "No such file or directory");
  Bytes& target = writable(to, true);  // fails before `from` is touched
  if (&target != &it->second) {
    target = std::move(it->second);
    files_.erase(it);
  }
}

void MemoryFileSystem::removeFile(const std::string& path) noexcept { files_.erase(normalise(path)); }

}  // namespace tmb
