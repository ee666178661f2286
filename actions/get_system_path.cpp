#include "launcher/frm_talqo.h"

namespace launcher {

namespace {
// 206 bytes with the terminator, deliberately not MAX_PATH: a system folder with a longer
// path counts as none, and the checksum check then says the tool is missing.
constexpr std::uint32_t kBufferSize = 206;
}

// Like every text handed to a single-byte function, the buffer is held as UTF-16 and crosses
// to the call through the system code page, and back. So the limit counts bytes of the code
// page, not characters: a path with two-byte characters reaches it with fewer characters.
// All of the buffer comes back, not just the part before the terminator, and the answer
// ends at its first character of code 0: a path that does not fit leaves the buffer
// untouched, so the answer is then empty, as for a failing call. Bytes the code page does
// not define make the whole buffer come back empty, never a look-alike folder. A failing
// call may have written into the buffer: its result alone decides.
std::wstring frmTALQO::GetSystemPath() {
  std::string bytes = platform_.WideToAnsi(std::wstring(kBufferSize, L'\0'));
  const std::uint32_t result = platform_.GetSystemDirectoryA(bytes, kBufferSize);
  const std::wstring buffer = platform_.AnsiToWide(bytes);
  if (result == 0) return std::wstring();
  return buffer.substr(0, buffer.find(L'\0'));
}

}  // namespace launcher
