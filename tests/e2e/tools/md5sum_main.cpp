// Stands in for md5sum.exe in the system folder: prints the MD5 of each file named on
// its command line the way md5sum does, and logs its command line and what it printed
// to md5sum.log beside itself, where a test can read them.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "json_text.h"
#include "md5.h"
#include "own_directory_log.h"
#include "runtime/win32/handles.h"
#include "std_output.h"

namespace {

// The argument vector that CommandLineToArgvW allocates for its caller.
struct LocalFreeTraits {
  static bool IsValid(LPWSTR* memory) noexcept { return memory != nullptr; }
  static void Release(LPWSTR* memory) noexcept { ::LocalFree(memory); }
};
using ScopedLocalFree = runtime::win32::ScopedHandle<LPWSTR*, LocalFreeTraits>;

bool DigestFile(const std::wstring& name, std::string& hex_digest) {
  const runtime::win32::ScopedCloseHandle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return false;
  Md5 digest;
  std::vector<unsigned char> buffer(1 << 16);
  DWORD read = 0;
  while (ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) &&
         read > 0) {
    digest.Update(buffer.data(), read);
  }
  hex_digest = digest.HexDigest();
  return true;
}

std::vector<std::wstring> FileArguments() {
  int count = 0;
  const ScopedLocalFree arguments(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::wstring> names;
  for (int i = 1; arguments.get() != nullptr && i < count; ++i) names.emplace_back(arguments.get()[i]);
  return names;
}

}  // namespace

int wmain() {
  const std::vector<std::wstring> names = FileArguments();
  JsonArray printed;
  JsonArray errors;
  if (names.empty()) {
    const std::wstring message = L"md5sum: no file named";
    WriteToStderr(Utf8(message) + "\n");
    errors.Add(message);
  }
  for (const std::wstring& name : names) {
    std::string hex_digest;
    if (DigestFile(name, hex_digest)) {
      const std::wstring line = std::wstring(hex_digest.begin(), hex_digest.end()) + L"  " + name;
      WriteToStdout(Utf8(line) + "\n");
      printed.Add(line);
    } else {
      const std::wstring line = L"md5sum: " + name + L": No such file or directory";
      WriteToStderr(Utf8(line) + "\n");
      errors.Add(line);
    }
  }
  const int status = errors.empty() ? 0 : 1;
  JsonObject record;
  record.Add("command_line", GetCommandLineW())
      .AddJson("stdout", printed.Text())
      .AddJson("stderr", errors.Text())
      .Add("exit_status", status);
  AppendToOwnDirectoryLog(L"md5sum.log", record.Text());
  return status;
}
