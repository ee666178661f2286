#include "actions/quoted_argument.h"

namespace launcher {

std::wstring QuotedArgument(const std::wstring& text) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : text) {
    if (c == L'\\') {
      ++backslashes;
    } else if (c == L'"') {
      quoted.append(backslashes + 1, L'\\');
      backslashes = 0;
    } else {
      backslashes = 0;
    }
    quoted += c;
  }
  quoted.append(backslashes, L'\\');
  quoted += L'"';
  return quoted;
}

}  // namespace launcher
