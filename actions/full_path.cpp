#include "actions/full_path.h"

namespace launcher {

namespace {

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

bool IsFullPath(const std::wstring& path) {
  const bool drive_path =
      path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && path[2] == L'\\';
  const bool unc_path = path.compare(0, 2, L"\\\\") == 0;
  return drive_path || unc_path;
}

}  // namespace launcher
