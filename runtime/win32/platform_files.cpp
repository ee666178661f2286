#include "runtime/win32/win32_platform.h"

#include "runtime/win32/file_stream.h"

namespace runtime::win32 {

namespace {

constexpr DWORD kFirstPathCapacity = MAX_PATH;
// Beyond the longest path Windows can give a module.
constexpr DWORD kLastPathCapacity = 1 << 16;

// The system would read such a name only up to its first null: a different file.
bool IsUsableName(const std::wstring& path) { return path.find(L'\0') == std::wstring::npos; }

std::wstring ProgramPath() {
  for (DWORD capacity = kFirstPathCapacity; capacity <= kLastPathCapacity; capacity *= 2) {
    std::wstring path(capacity, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), capacity);
    if (length == 0) return {};
    if (length < capacity) {
      path.resize(length);
      return path;
    }
  }
  return {};
}

}  // namespace

std::wstring Win32Platform::ProgramDirectory() {
  const std::wstring path = ProgramPath();
  const std::size_t last_separator = path.rfind(L'\\');
  return last_separator == std::wstring::npos ? std::wstring() : path.substr(0, last_separator);
}

std::optional<std::int64_t> Win32Platform::FileLength(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!IsUsableName(path) ||
      !::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes) ||
      (attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(attributes.nFileSizeHigh) << 32) |
                                   attributes.nFileSizeLow);
}

std::unique_ptr<ByteStream> Win32Platform::OpenForReading(const std::wstring& path) {
  if (!IsUsableName(path)) return nullptr;
  ScopedCloseHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return nullptr;
  return std::make_unique<FileStream>(std::move(file));
}

PictureHandle Win32Platform::LoadPicture(const std::wstring& path) {
  if (!IsUsableName(path)) return kNoPicture;
  ScopedDeleteObject<HBITMAP> bitmap(static_cast<HBITMAP>(::LoadImageW(
      nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap) return kNoPicture;
  const auto handle = reinterpret_cast<PictureHandle>(bitmap.get());
  loaded_pictures_.insert_or_assign(handle, std::move(bitmap));
  return handle;
}

}  // namespace runtime::win32
