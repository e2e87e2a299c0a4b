#include "core/path.h"

namespace tmb {

std::string joinPath(const std::string& folder, const std::string& name) {
  return folder + kPathSeparator + name;
}

bool isPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/' || c == ':';
#else
  return c == '/';
#endif
}

static std::size_t nameStart(const std::string& path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (isPathSeparator(path[i - 1])) return i;
  return 0;
}

std::string fileNameOf(const std::string& path) { return path.substr(nameStart(path)); }

std::string folderOf(const std::string& path) { return path.substr(0, nameStart(path)); }

std::string extensionOf(const std::string& fileName) {
  const auto dot = fileName.rfind('.');
  return dot == std::string::npos ? std::string() : fileName.substr(dot);
}

std::string withoutExtension(const std::string& fileName) {
  return fileName.substr(0, fileName.rfind('.'));
}

static char lowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string text) {
  for (char& c : text) c = lowerChar(c);
  return text;
}

bool equalsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerChar(a[i]) != lowerChar(b[i])) return false;
  return true;
}

}  // namespace tmb
