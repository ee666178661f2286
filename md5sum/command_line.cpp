#include "md5sum/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include "base/win32/handles.h"

namespace md5sum {

std::vector<std::wstring> FileNamesFromCommandLine() {
  int count = 0;
  const base::win32::ScopedLocalFree<LPWSTR*> arguments(
      ::CommandLineToArgvW(::GetCommandLineW(), &count));
  std::vector<std::wstring> names;
  if (!arguments) return names;
  for (int i = 1; i < count; ++i) names.emplace_back(arguments.get()[i]);
  return names;
}

}  // namespace md5sum
