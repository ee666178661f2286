// Stands in for a tool that talqo.exe starts, where a test must see exactly how it was
// started: appends its raw command line as one JSON line to <its own name>.log beside
// itself (md5sum.log when installed as md5sum.exe) and ends at once, showing nothing.
#include <windows.h>

#include <string>

#include "base/win32/program_path.h"
#include "json_text.h"
#include "own_directory_log.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring module = base::win32::ProgramPath();
  const std::size_t name_start = module.find_last_of(L"\\/") + 1;
  const std::wstring name = module.substr(name_start, module.find_last_of(L'.') - name_start);
  JsonObject record;
  record.Add("command_line", GetCommandLineW());
  return AppendToOwnDirectoryLog(name + L".log", record.Text()) ? 0 : 1;
}
