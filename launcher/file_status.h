#pragma once

#include <cstdint>
#include <string>

#include "runtime/platform.h"

namespace launcher {

// -1 when the file's length cannot be had (missing, a folder, a bad name), 0 for an
// empty file, 1 for a file that holds data. Never fails.
std::int16_t FileStatus(runtime::Platform& platform, const std::wstring& path);

}  // namespace launcher
