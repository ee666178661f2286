#include "md5sum/message_line.h"

namespace md5sum {

namespace {

bool IsLineBreak(wchar_t character) { return character == L'\r' || character == L'\n'; }

void DropTrailingBlanks(std::wstring& text) {
  while (!text.empty() && text.back() == L' ') text.pop_back();
}

}  // namespace

std::wstring MessageLine(unsigned long error, const std::wstring& system_text) {
  std::wstring line;
  std::size_t next = 0;
  while (next < system_text.size()) {
    if (!IsLineBreak(system_text[next])) {
      line += system_text[next++];
      continue;
    }
    DropTrailingBlanks(line);
    while (next < system_text.size() &&
           (IsLineBreak(system_text[next]) || system_text[next] == L' ')) {
      ++next;
    }
    if (!line.empty()) line += L' ';
  }
  DropTrailingBlanks(line);
  if (line.empty()) return L"Error " + std::to_wstring(error);
  return line;
}

}  // namespace md5sum
