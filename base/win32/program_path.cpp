#include "base/win32/program_path.h"

#include <windows.h>

namespace base::win32 {

namespace {

constexpr DWORD kFirstPathCapacity = MAX_PATH;
// Beyond the longest path Windows can give a module.
constexpr DWORD kLastPathCapacity = 1 << 16;

}  // namespace

std::wstring ProgramPath() {
  // The system cuts the path to the buffer and says so only by filling it whole.
  for (DWORD capacity = kFirstPathCapacity; capacity <= kLastPathCapacity; capacity *= 2) {
    std::wstring path(capacity, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), capacity);
    if (length == 0) return {};
    if (length < capacity) {
      path.resize(length);
      return path;
    }
  }
  return {};
}

std::wstring ProgramFolder() {
  const std::wstring path = ProgramPath();
  const std::size_t last_separator = path.rfind(L'\\');
  return last_separator == std::wstring::npos ? std::wstring() : path.substr(0, last_separator);
}

}  // namespace base::win32
