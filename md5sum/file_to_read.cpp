#include "md5sum/file_to_read.h"

#include "md5sum/system_file_name.h"
#include "md5sum/system_message.h"

namespace md5sum {

static_assert(kMaxPath == MAX_PATH);

namespace {

// Empty when the system cannot make the name full.
std::wstring FullPath(const std::wstring& name) {
  const DWORD size = ::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  const DWORD length = ::GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return {};
  full.resize(length);
  return full;
}

bool IsDirectory(const std::wstring& system_name) {
  const DWORD attributes = ::GetFileAttributesW(system_name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

FileToRead OpenFileToRead(const std::wstring& name) {
  const std::wstring system_name = SystemFileName(name, FullPath(name));
  // A download in progress, or an editor that saves by renaming, holds its file with
  // delete access; an open that does not share delete fails beside it. Sharing it also
  // lets such programs rename the file while it is read.
  base::win32::ScopedCloseHandle file(::CreateFileW(
      system_name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file) return FileToRead{std::move(file), {}};
  const DWORD error = ::GetLastError();
  // The system denies access to a folder opened as a file, which would send the person
  // looking for permissions.
  if (IsDirectory(system_name)) return FileToRead{{}, L"Is a directory."};
  return FileToRead{{}, SystemMessage(error)};
}

}  // namespace md5sum
