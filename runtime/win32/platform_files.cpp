#include "runtime/win32/win32_platform.h"

#include "base/win32/program_path.h"
#include "runtime/win32/file_stream.h"

namespace runtime::win32 {

namespace {

// The system would read such a name only up to its first null: a different file.
bool IsUsableName(const std::wstring& path) { return path.find(L'\0') == std::wstring::npos; }

}  // namespace

std::wstring Win32Platform::ProgramDirectory() { return base::win32::ProgramFolder(); }

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
  base::win32::ScopedCloseHandle file(
      ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return nullptr;
  return std::make_unique<FileStream>(std::move(file));
}

PictureHandle Win32Platform::LoadPicture(const std::wstring& path) {
  if (!IsUsableName(path)) return kNoPicture;
  base::win32::ScopedDeleteObject<HBITMAP> bitmap(static_cast<HBITMAP>(::LoadImageW(
      nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap) return kNoPicture;
  const auto handle = reinterpret_cast<PictureHandle>(bitmap.get());
  loaded_pictures_.insert_or_assign(handle, std::move(bitmap));
  return handle;
}

}  // namespace runtime::win32
