#include "md5sum/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include "runtime/win32/handles.h"

namespace {

// The argument vector that CommandLineToArgvW allocates for its caller.
struct LocalFreeArgumentsTraits {
  static bool IsValid(LPWSTR* arguments) noexcept { return arguments != nullptr; }
  static void Release(LPWSTR* arguments) noexcept { ::LocalFree(arguments); }
};
using ScopedArguments = runtime::win32::ScopedHandle<LPWSTR*, LocalFreeArgumentsTraits>;

}  // namespace

std::vector<std::wstring> FileNamesFromCommandLine() {
  int count = 0;
  const ScopedArguments arguments(::CommandLineToArgvW(::GetCommandLineW(), &count));
  std::vector<std::wstring> names;
  if (!arguments) return names;
  for (int i = 1; i < count; ++i) names.emplace_back(arguments.get()[i]);
  return names;
}
