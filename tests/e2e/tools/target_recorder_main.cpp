// A launch target for the tests: records how it was started, one JSON line per start
// in recorder.log beside itself, and ends at once without showing anything.
#include <windows.h>

#include <string>

#include "base/win32/program_path.h"
#include "json_text.h"
#include "own_directory_log.h"

namespace {

std::wstring CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring directory(size, L'\0');
  const DWORD length = GetCurrentDirectoryW(size, directory.data());
  directory.resize(length < size ? length : 0);
  return directory;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  JsonObject record;
  record.Add("module", base::win32::ProgramPath())
      .Add("command_line", GetCommandLineW())
      .Add("current_directory", CurrentDirectory());
  return AppendToOwnDirectoryLog(L"recorder.log", record.Text()) ? 0 : 1;
}
