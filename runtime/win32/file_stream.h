#pragma once

#include <windows.h>

#include <utility>

#include "base/win32/handles.h"
#include "runtime/platform.h"

namespace runtime::win32 {

// A file opened with CreateFileW for reading from start to end.
class FileStream final : public ByteStream {
 public:
  explicit FileStream(base::win32::ScopedCloseHandle file) : file_(std::move(file)) {}

  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  base::win32::ScopedCloseHandle file_;
};

}  // namespace runtime::win32
