#include "std_output.h"

#include <windows.h>

namespace {

void WriteTo(DWORD which, const std::string& text) {
  const HANDLE stream = GetStdHandle(which);
  if (stream == nullptr || stream == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

void WriteToStdout(const std::string& text) { WriteTo(STD_OUTPUT_HANDLE, text); }
void WriteToStderr(const std::string& text) { WriteTo(STD_ERROR_HANDLE, text); }
