#include "runtime/win32/win32_platform.h"

#include <algorithm>
#include <climits>

namespace runtime::win32 {

// Lengths are passed explicitly, so embedded nulls are converted like any other character.
// Without WC_NO_BEST_FIT_CHARS a character the code page lacks would become a look-alike
// (U+0141 as "L") without a trace; with it, it becomes the default character, which the
// used-default flag reports. A UTF-8 system code page takes neither, and reports a
// character it cannot encode (an unpaired surrogate) through WC_ERR_INVALID_CHARS.
std::string Win32Platform::WideToAnsi(const std::wstring& text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const bool utf8 = ::GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* const used_default_report = utf8 ? nullptr : &used_default;
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0,
                                           nullptr, used_default_report);
  if (needed <= 0 || used_default) return {};
  std::string converted(static_cast<std::size_t>(needed), '\0');
  const int written = ::WideCharToMultiByte(CP_ACP, flags, text.data(), length,
                                            converted.data(), needed, nullptr,
                                            used_default_report);
  if (written != needed || used_default) return {};
  return converted;
}

// MB_ERR_INVALID_CHARS: a byte sequence the code page does not define fails the whole
// conversion instead of becoming U+FFFD or a guess.
std::wstring Win32Platform::AnsiToWide(const std::string& text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int needed =
      ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring converted(static_cast<std::size_t>(needed), L'\0');
  const int written = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length,
                                            converted.data(), needed);
  if (written != needed) return {};
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
