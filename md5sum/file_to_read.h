#pragma once

#include <windows.h>

#include <string>

#include "base/win32/handles.h"

namespace md5sum {

// A file open for reading, or why it could not be opened.
struct FileToRead {
  base::win32::ScopedCloseHandle file;
  std::wstring error;
};

// Opens the file that a person named, to be read from start to end: beside any program
// that holds it open, even one that may delete or rename it, and by a full path of any
// length.
FileToRead OpenFileToRead(const std::wstring& name);

}  // namespace md5sum
