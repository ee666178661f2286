#include "own_directory_log.h"

#include <windows.h>

#include "runtime/win32/handles.h"

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

bool AppendToOwnDirectoryLog(const std::wstring& file_name, const std::string& text) {
  const std::wstring module = ModulePath();
  const std::wstring directory = module.substr(0, module.find_last_of(L"\\/") + 1);
  const runtime::win32::ScopedCloseHandle file(CreateFileW((directory + file_name).c_str(), FILE_APPEND_DATA,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const std::string line = text + "\r\n";
  DWORD written = 0;
  return WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
         written == line.size();
}
