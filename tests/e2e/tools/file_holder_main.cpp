// Holds a file open as a download in progress or an editor that saves by renaming does,
// with delete access and every kind of sharing, for as long as a test needs:
// `file_holder.exe FILE` prints one JSON line once the file is open (or could not be
// opened) and keeps it open until its standard input ends.
#include <windows.h>

#include <string>

#include "base/win32/handles.h"
#include "json_text.h"
#include "std_output.h"

namespace {

constexpr int kHeld = 0;
constexpr int kNotHeld = 1;
constexpr int kUsageError = 2;

void WaitForEndOfInput() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  char buffer[256];
  DWORD read = 0;
  while (ReadFile(input, buffer, sizeof buffer, &read, nullptr) && read > 0) {
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    WriteToStderr("usage: file_holder.exe FILE\n");
    return kUsageError;
  }
  const base::win32::ScopedCloseHandle file(CreateFileW(
      argv[1], GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    WriteToStdout(JsonObject().AddBool("held", false).Add("error", error).Text() + "\n");
    return kNotHeld;
  }
  WriteToStdout(JsonObject().AddBool("held", true).Text() + "\n");
  WaitForEndOfInput();
  return kHeld;
}
