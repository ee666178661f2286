#pragma once

#include <windows.h>

#include <utility>

#include "runtime/platform.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// A file opened with CreateFileW for reading from start to end.
class FileStream final : public ByteStream {
 public:
  explicit FileStream(ScopedCloseHandle file) : file_(std::move(file)) {}

  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  ScopedCloseHandle file_;
};

}  // namespace runtime::win32
