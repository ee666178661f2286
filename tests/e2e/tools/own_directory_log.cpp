#include "own_directory_log.h"

#include <windows.h>

#include "base/win32/handles.h"
#include "base/win32/program_path.h"

bool AppendToOwnDirectoryLog(const std::wstring& file_name, const std::string& text) {
  const std::wstring directory = base::win32::ProgramFolder() + L"\\";
  const base::win32::ScopedCloseHandle file(CreateFileW(
      (directory + file_name).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const std::string line = text + "\r\n";
  DWORD written = 0;
  return WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
         written == line.size();
}
