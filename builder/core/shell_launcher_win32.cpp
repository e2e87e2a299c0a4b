#include "core/shell_launcher.h"

#include <windows.h>
#include <shellapi.h>

namespace tmb {

std::optional<std::string> ShellLauncher::open(const std::string& file, const std::string& workingFolder) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", file.c_str(), nullptr, workingFolder.c_str(), SW_SHOWNORMAL));
  if (result > 32) return std::nullopt;  // larger values mean the program was started
  char text[512] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                 GetLastError(), 0, text, sizeof text, nullptr);
  std::string reason = n ? std::string(text, n) : "error " + std::to_string(result);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' '))
    reason.pop_back();
  return reason;
}

}  // namespace tmb
