#pragma once
// Paths are plain text joined by concatenation with the platform separator, as the builder
// always did on Windows; this is the one place that knows the separator.
#include <string>

namespace tmb {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// folder + separator + name, without looking at either part.
std::string joinPath(const std::string& folder, const std::string& name);

bool isPathSeparator(char c);

// "C:\Games\Cave.SNA" -> "Cave.SNA"
std::string fileNameOf(const std::string& path);
// "C:\Games\Cave.SNA" -> "C:\Games\" (with its trailing separator; empty without a folder)
std::string folderOf(const std::string& path);
// The extension starts at the last "." of the name: "cave.sna" -> ".sna", "cave" -> "".
std::string extensionOf(const std::string& fileName);
std::string withoutExtension(const std::string& fileName);

// Lowers the letters A to Z only; other bytes stay as they are.
std::string lowerAscii(std::string text);
// Compares without regard to the case of A to Z.
bool equalsIgnoreCase(const std::string& a, const std::string& b);

}  // namespace tmb
