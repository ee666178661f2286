#include "runtime/win32/file_stream.h"

#include <algorithm>

namespace runtime::win32 {

std::size_t FileStream::Read(char* buffer, std::size_t size) {
  // One call reads at most what a DWORD counts; the caller reads again for the rest.
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
  DWORD read = 0;
  if (!::ReadFile(file_.get(), buffer, wanted, &read, nullptr)) return 0;
  return read;
}

}  // namespace runtime::win32
