#include "actions/checksum_match.h"

#include <algorithm>

namespace launcher {

namespace {

std::wstring Trimmed(const std::wstring& text) {
  constexpr const wchar_t* kSpace = L" \t\r\n";
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::wstring::npos) return std::wstring();
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

wchar_t FoldAsciiCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

}  // namespace

bool ChecksumsMatch(const std::wstring& answer, const std::wstring& expected) {
  const std::wstring a = Trimmed(answer);
  const std::wstring e = Trimmed(expected);
  if (a.empty()) return false;
  return a.size() == e.size() &&
         std::equal(a.begin(), a.end(), e.begin(),
                    [](wchar_t x, wchar_t y) { return FoldAsciiCase(x) == FoldAsciiCase(y); });
}

}  // namespace launcher
