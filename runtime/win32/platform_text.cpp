#include "runtime/win32/win32_platform.h"

#include <algorithm>
#include <climits>

namespace runtime::win32 {

// Lengths are passed explicitly, so embedded nulls are converted like any other character.
std::string Win32Platform::WideToAnsi(const std::wstring& text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int needed =
      ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string converted(static_cast<std::size_t>(needed), '\0');
  const int written = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, converted.data(),
                                            needed, nullptr, nullptr);
  converted.resize(static_cast<std::size_t>(std::max(written, 0)));
  return converted;
}

std::wstring Win32Platform::AnsiToWide(const std::string& text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring converted(static_cast<std::size_t>(needed), L'\0');
  const int written =
      ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, converted.data(), needed);
  converted.resize(static_cast<std::size_t>(std::max(written, 0)));
  return converted;
}

std::wstring Win32Platform::UpperCase(const std::wstring& text) {
  std::wstring upper = text;
  for (std::size_t done = 0; done < upper.size();) {
    const DWORD count = static_cast<DWORD>(std::min<std::size_t>(upper.size() - done, MAXDWORD));
    ::CharUpperBuffW(upper.data() + done, count);
    done += count;
  }
  return upper;
}

}  // namespace runtime::win32
