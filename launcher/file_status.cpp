#include "launcher/file_status.h"

namespace launcher {

std::int16_t FileStatus(runtime::Platform& platform, const std::wstring& path) {
  // The length is 64-bit here, so a file of 2 GiB or more still counts as holding data
  // instead of wrapping to a negative length and passing for a missing file.
  const std::optional<std::int64_t> length = platform.FileLength(path);
  if (!length || *length < 0) return -1;
  return *length == 0 ? 0 : 1;
}

}  // namespace launcher
